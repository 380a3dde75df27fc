#pragma once
// Keyboard mnemonics (Alt+letter) for captions that were written without
// them: the letter is chosen from the caption as shown, in whatever language,
// so a translated caption gets one too, and the visible text changes only by
// the underline.
#include <QString>
#include <vector>

class QWidget;

namespace tallowmere::app {

// The text a caption shows, its mnemonic marks taken out: "&&" stands for a
// literal '&', a lone '&' only marks the letter after it.
QString ShownCaption(const QString& marked);

// The position in `caption` (as shown) of the letter to mark: the first
// letter beginning a word whose key is not in `taken`, else the first such
// letter anywhere; -1 when every letter's key is taken or no letter has a key
// (a caption in kanji and kana: keyboard users reach it by Tab). The key chosen is
// added to `taken` (upper case).
qsizetype ChooseMnemonic(const QString& caption, QString& taken);

// `caption` with a mark before the letter at `at` (-1: none), its own '&'s
// doubled so they stay visible.
QString MarkMnemonic(const QString& caption, qsizetype at);

// Gives each control (buttons, option buttons, check boxes, labels with a
// buddy) a mnemonic chosen from its caption, in the order given, avoiding the
// keys in `taken` (the menu bar's) and each other's.
void AssignMnemonics(const std::vector<QWidget*>& controls, QString taken);

}  // namespace tallowmere::app
