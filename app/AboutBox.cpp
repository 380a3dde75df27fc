#include "app/AboutBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <boost/version.hpp>

#include "app/HelpWindow.h"

#if TALLOWMERE_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace tallowmere::app {

namespace {

QString Translate(const char* text) { return QCoreApplication::translate("AboutBox", text); }

// "1_74" as Boost writes its version, "1.74" as people do.
QString BoostVersion() { return QStringLiteral(BOOST_LIB_VERSION).replace(QLatin1Char('_'), QLatin1Char('.')); }

QString LibrariesHtml() {
  // Qt's version is the one the program runs with, which may be newer than
  // the one it was built with; the others are built in.
  QStringList rows;
  rows << Translate(QT_TRANSLATE_NOOP("AboutBox", "Qt %1 (built with %2)"))
              .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
  rows << Translate(QT_TRANSLATE_NOOP("AboutBox", "Boost.Math %1")).arg(BoostVersion());
#if TALLOWMERE_HAVE_XLSXWRITER
  rows << Translate(QT_TRANSLATE_NOOP("AboutBox", "libxlsxwriter %1")).arg(QStringLiteral(LXW_VERSION));
#endif
  QString html = QStringLiteral("<p>%1</p><ul>").arg(Translate(QT_TRANSLATE_NOOP("AboutBox", "Libraries used:")));
  for (const QString& row : rows) html += QStringLiteral("<li>%1</li>").arg(row.toHtmlEscaped());
  return html + QStringLiteral("</ul>");
}

}  // namespace

QString AboutText() {
  QString html =
      QStringLiteral("<h3>%1</h3>")
          .arg(Translate(QT_TRANSLATE_NOOP("AboutBox", "Tallowmere %1")).arg(QStringLiteral(TALLOWMERE_VERSION)));
  html += QStringLiteral("<p>%1</p>")
              .arg(Translate(QT_TRANSLATE_NOOP("AboutBox", "A desktop calculator for descriptive statistics.")));
  html += QStringLiteral("<p>%1<br>%2</p>")
              .arg(Translate(QT_TRANSLATE_NOOP("AboutBox", "Copyright © 2026 The Tallowmere authors")),
                   Translate(QT_TRANSLATE_NOOP("AboutBox", "Released under the MIT licence.")));
  return html + LibrariesHtml();
}

QMessageBox* MakeAboutBox(QWidget* parent) {
  auto* box = new QMessageBox(parent);
  box->setObjectName(QStringLiteral("AboutTallowmere"));
  box->setWindowTitle(Translate(QT_TRANSLATE_NOOP("AboutBox", "About Tallowmere")));
  box->setTextFormat(Qt::RichText);
  box->setText(AboutText());
  box->setIconPixmap(QIcon(QStringLiteral(":/icons/64x64/%1.png").arg(QStringLiteral(TALLOWMERE_APP_ID))).pixmap(64));
  box->setStandardButtons(QMessageBox::Close);
  return box;
}

void ShowAbout(QWidget* parent) {
  QMessageBox* box = MakeAboutBox(parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace tallowmere::app
