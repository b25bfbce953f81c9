// Printing plain text and the help viewer of the Qt backend.

#include <QApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

#include "platform/print_layout.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_widgets.h"

namespace quorvel::platform::qt {

// The job's lines in its font, made fixed-pitch whatever family stands in
// for it, so the report's columns stay in line. The font size is the job's
// held to the legible range and made smaller, down to 7 pt, until the
// widest line fits between the 15 mm margins of the chosen paper and
// orientation; lines wider still go on below (layoutPrintPages).
bool QtPlatform::printText(QPrinter& printer, const PrintJob& job) {
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    std::vector<std::string> lines;
    lines.reserve(job.lines.size());
    for (std::string line : job.lines) {
        std::erase(line, '\r');
        lines.push_back(std::move(line));
    }

    Font font;
    font.name = job.fontName;
    QFont f = mapFont(font);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    // The advance of one character at 1 pt, from the font at 10 pt.
    f.setPointSizeF(10);
    const double advancePerPoint = QFontMetricsF(f, painter.device()).horizontalAdvance(QLatin1Char('M')) / 10;
    const int widest = widestLineLength(lines);
    double size = fittedFontSize(job.fontSize, widest, advancePerPoint, page.width());
    f.setPointSizeF(size);
    // Glyph advances are rounded at some sizes: step down while the widest
    // line is still wider than the page.
    while (size > MinFittedFontSize &&
           QFontMetricsF(f, painter.device()).horizontalAdvance(QLatin1Char('M')) * widest > page.width()) {
        size = std::max(MinFittedFontSize, size - 0.1);
        f.setPointSizeF(size);
    }
    lastPrintedFontSize_ = size;
    painter.setFont(f);
    QFontMetricsF metrics(painter.font(), painter.device());
    const double charWidth = std::max(1e-3, metrics.horizontalAdvance(QLatin1Char('M')));
    const double lineHeight = std::max(1.0, metrics.lineSpacing());

    lastPrintedPages_ = layoutPrintPages(lines, static_cast<int>(page.width() / charWidth),
                                         static_cast<int>(page.height() / lineHeight));
    bool first = true;
    for (const PrintedPage& printed : lastPrintedPages_) {
        if (!first) printer.newPage();
        first = false;
        double y = metrics.ascent();
        for (const std::string& line : printed) {
            painter.drawText(QPointF(0, y), qs(line));
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
        // Escape closes the help as it closes the report viewer: without a
        // window manager the window has no other way to be closed.
        auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), browser);
        QObject::connect(close, &QShortcut::activated, browser, &QWidget::close);
        // The window the help was opened from is active again when the help
        // closes and nothing else took its place; without a window manager
        // nothing else would activate it, and the keyboard would reach no
        // window.
        helpOpenedFrom_ = QApplication::activeWindow();
        helpClosed_ = QObject::connect(browser, &QObject::destroyed, qApp, [this, browser] {
            const QWidget* active = QApplication::activeWindow();
            if (!inDialog() && (!active || active == browser)) reactivate(helpOpenedFrom_);
        });
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
