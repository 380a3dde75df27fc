// The texts the .ts fixtures beside this file translate; lupdate reads it
// for the check of the translation check (never compiled).
const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("Fixture", "Save Picture"),
    QT_TRANSLATE_NOOP("Fixture", "Added %1 numbers from %2"),
    QT_TRANSLATE_NOOP("Fixture", "&Copy Picture"),
    QT_TRANSLATE_N_NOOP("Fixture", "%1 files"),
    QT_TRANSLATE_NOOP("Fixture", "Copied.\r\rPress Ctrl+V to paste."),
    // A help text: its translator wraps it.
    QT_TRANSLATE_NOOP("FixtureHelp", "Each PATH is read\nas a list file."),
};
