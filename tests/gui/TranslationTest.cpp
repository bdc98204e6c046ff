// The window in English: nothing left in French.
#include "support/Languages.h"
#include "support/TestRig.h"

#include "app/EditorCommandLine.h"
#include "app/Frame.h"
#include "app/StatusLine.h"
#include "settings/FieldLayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
// What a user sees or hears of a widget: its text, a frame's caption, a
// list's items, its window title, what a screen reader reads.
QStringList textsOf(const QWidget* widget) {
    QStringList texts{widget->accessibleName(), widget->accessibleDescription()};
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        texts.append(label->text());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        texts.append(button->text());
    } else if (const auto* frame = qobject_cast<const Frame*>(widget)) {
        texts.append(frame->title());
    } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
        for (int item = 0; item < box->count(); ++item) {
            texts.append(box->itemText(item));
        }
    }
    return texts;
}

} // namespace

TEST(Translation, AnEnglishWindowLeavesNothingInFrench) {
    const FrenchTexts french(QStringLiteral(OSTREL_TS_FILE));
    ASSERT_GT(french.size(), 100);
    const InLanguage english(QStringLiteral("en"));
    ASSERT_TRUE(english.loaded());
    // Every setting out of range, so that every load message is shown.
    QByteArray bytes = validPlayerBytes();
    for (const IndexFieldInfo& field : kIndexFields) {
        bytes[field.offset] = '\x63';
    }
    bytes[layout::Contrast] = '\xC8';
    PlayerWindow shown(bytes);
    ASSERT_NE(shown.window, nullptr);
    Form1& window = *shown.window;

    QStringList seen = shown.rig.messages.shown;
    ASSERT_EQ(seen.size(), kIndexFields.size() + 1);
    seen.append(window.windowTitle());
    window.Label10->warnUnsaved();
    seen.append(window.Label10->text());
    window.historique->click();
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        seen += textsOf(widget);
    }
    QString badOption;
    (void)parseCommandLine({QStringLiteral("prog"), QStringLiteral("--badoption")}, badOption);
    seen.append(badOption);
    // Sentence case, as English desktops write messages, captions and labels.
    for (const QString& text : seen) {
        EXPECT_EQ(french.in(text), QString()) << text.toStdString();
        EXPECT_EQ(frenchIn(text), QString()) << text.toStdString();
        const QString trimmed = text.trimmed();
        EXPECT_TRUE(trimmed.isEmpty() || !trimmed[0].isLower()) << text.toStdString();
    }
}
