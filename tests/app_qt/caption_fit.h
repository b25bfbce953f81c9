#pragma once
// Whether the captions of a window fit their boxes on the Qt backend: the
// text as the widget's font measures it, wrapped where the control wraps,
// lies inside the place the window gives the control. Shared by the Qt
// tests of the main window and of the dialogs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <climits>
#include <string>

#include "platform/forms/form.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_widgets.h"

namespace quorvel::app::testing {

using platform::ControlKind;

// What of a caption does not fit its widget; empty when it fits.
inline std::string captionOverflow(const platform::Control& c, QWidget* w) {
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

inline void expectEveryCaptionFits(platform::qt::QtPlatform& ui, const platform::Form& form, const char* language) {
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
        EXPECT_EQ(captionOverflow(*c, w), "") << form.name() << "." << c->name() << " in " << language;
        ++checked;
    }
    EXPECT_GT(checked, 10) << form.name();
}

}  // namespace quorvel::app::testing
