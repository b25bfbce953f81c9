// Printing plain text and the help viewer of the Qt backend.

#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBrowser>
#include <QUrl>

#include "platform/print_layout.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_widgets.h"

namespace quorvel::platform::qt {

// The job's lines in its font, made fixed-pitch whatever family stands in
// for it, so the report's columns stay in line; lines wider than the page
// go on below (layoutPrintPages).
bool QtPlatform::printText(QPrinter& printer, const PrintJob& job) {
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    Font font;
    font.name = job.fontName;
    QFont f = mapFont(font);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(job.fontSize > 0 ? job.fontSize : 10);

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(f);
    QFontMetrics metrics(painter.font(), painter.device());
    const QRect page = painter.viewport();
    const int charWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    const int lineHeight = std::max(1, metrics.lineSpacing());

    std::vector<std::string> lines;
    lines.reserve(job.lines.size());
    for (std::string line : job.lines) {
        std::erase(line, '\r');
        lines.push_back(std::move(line));
    }
    lastPrintedPages_ = layoutPrintPages(lines, page.width() / charWidth, page.height() / lineHeight);
    bool first = true;
    for (const PrintedPage& printed : lastPrintedPages_) {
        if (!first) printer.newPage();
        first = false;
        int y = metrics.ascent();
        for (const std::string& line : printed) {
            painter.drawText(0, y, qs(line));
            y += lineHeight;
        }
    }
    return painter.end();
}

// The help document in a browser window of the program, at its contents.
bool QtPlatform::showHelp(const std::string& helpFile) {
    QFileInfo info(qs(helpFile));
    if (!info.exists() || !info.isReadable()) return false;
    auto* browser = qobject_cast<QTextBrowser*>(helpWindow_.data());
    if (!browser) {
        browser = new QTextBrowser;
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setOpenExternalLinks(true);
        browser->resize(900, 700);
        helpWindow_ = browser;
    }
    browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    browser->setWindowTitle(browser->documentTitle());
    browser->scrollToAnchor("contents");
    browser->show();
    browser->raise();
    browser->activateWindow();
    return true;
}

QWidget* QtPlatform::helpWindow() const { return helpWindow_.data(); }

}  // namespace quorvel::platform::qt
