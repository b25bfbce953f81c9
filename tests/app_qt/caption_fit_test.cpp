// Every caption of every window fits its box on the Qt backend, in both
// languages: the text as the widget's font measures it, wrapped where the
// control wraps, lies inside the place the window gives the control.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <climits>

#include "app/language.h"
#include "platform/qt/qt_widgets.h"
#include "qt_test_platform.h"

namespace quorvel::app {
namespace {

using platform::ControlKind;
using testing::MainWindowQt;

// What of a caption does not fit its widget; empty when it fits.
std::string overflow(const platform::Control& c, QWidget* w) {
    const QFontMetrics fm(w->font());
    const QString text = platform::qt::plainCaption(c.caption());
    if (text.isEmpty()) return {};
    const QRect box = w->contentsRect();
    QRect needed;
    switch (c.kind()) {
    case ControlKind::Label: {
        auto* label = static_cast<QLabel*>(w);
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        needed = fm.boundingRect(QRect(0, 0, box.width(), INT_MAX / 2), flags | Qt::AlignLeft | Qt::AlignTop, text);
        break;
    }
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::CommandButton: {
        // The room the style leaves for the text beside the indicator or
        // inside the button's bevel.
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = static_cast<QAbstractButton*>(w)->text();
        const QStyle::SubElement contents = c.kind() == ControlKind::OptionButton ? QStyle::SE_RadioButtonContents
                                            : c.kind() == ControlKind::CheckBox   ? QStyle::SE_CheckBoxContents
                                                                                  : QStyle::SE_PushButtonContents;
        const QRect room = w->style()->subElementRect(contents, &option, w);
        needed = QRect(0, 0, fm.horizontalAdvance(text), fm.height());
        if (needed.width() > room.width() || needed.height() > box.height())
            return text.toStdString() + ": needs " + std::to_string(needed.width()) + "x" +
                   std::to_string(needed.height()) + ", has " + std::to_string(room.width()) + "x" +
                   std::to_string(box.height());
        return {};
    }
    case ControlKind::Frame: {
        QStyleOptionGroupBox option;
        option.initFrom(w);
        option.text = static_cast<QGroupBox*>(w)->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = w->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, w);
        needed = QRect(label.left(), 0, fm.horizontalAdvance(text), fm.height());
        break;
    }
    default: return {};
    }
    if (needed.right() > box.right() || needed.height() > box.height())
        return text.toStdString() + ": needs " + std::to_string(needed.right() + 1) + "x" +
               std::to_string(needed.height()) + ", has " + std::to_string(box.width()) + "x" +
               std::to_string(box.height());
    return {};
}

void expectEveryCaptionFits(platform::qt::QtPlatform& ui, const platform::Form& form, const char* language) {
    // The widths the layout was made for come with the installed family
    // (scripts/setup.sh installs it).
    ASSERT_EQ(QFontInfo(platform::qt::mapFont(form.font())).family().toStdString(), "Liberation Sans");
    int checked = 0;
    for (const platform::Control* c : form.controls()) {
        const ControlKind k = c->kind();
        if (k != ControlKind::Label && k != ControlKind::OptionButton && k != ControlKind::CheckBox &&
            k != ControlKind::CommandButton && k != ControlKind::Frame)
            continue;
        QWidget* w = ui.widgetOf(*c);
        ASSERT_NE(w, nullptr) << c->name();
        EXPECT_EQ(overflow(*c, w), "") << form.name() << "." << c->name() << " in " << language;
        ++checked;
    }
    EXPECT_GT(checked, 10) << form.name();
}

TEST_F(MainWindowQt, EveryCaptionOfTheMainWindowFitsInBothLanguages) {
    frmQuorvel window(m, ui);
    window.show();
    QApplication::processEvents();
    expectEveryCaptionFits(ui, window, "Finnish");
    int16_t english = 1;
    ApplyLanguage(window, english);
    QApplication::processEvents();
    expectEveryCaptionFits(ui, window, "English");
    window.unload();
}

TEST_F(MainWindowQt, EveryCaptionOfTheAboutWindowFitsInBothLanguages) {
    for (int16_t language : {0, 1}) {
        m.LanguageIndex = language;
        m.VersionText = "Versio 8.38 /EC 17.03.2017";
        frmAbout about(m, ui);
        about.show();  // shown, not modal: its load sets the captions
        QApplication::processEvents();
        expectEveryCaptionFits(ui, about, language == 0 ? "Finnish" : "English");
        about.unload();
    }
}

}  // namespace
}  // namespace quorvel::app
