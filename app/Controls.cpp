#include "Controls.h"

#include "Colours.h"
#include "Frame.h"

#include <QFrame>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

QString arrayMemberName(const QString& arrayName, int index) {
    return QStringLiteral("%1(%2)").arg(arrayName).arg(index);
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

Frame* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& place) {
    auto* frame = new Frame(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(place);
    return frame;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
                  LabelStyle style) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    switch (style) {
    case LabelStyle::Plain:
        label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        break;
    case LabelStyle::Centred:
        label->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        break;
    case LabelStyle::BorderedCentred:
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        colours::fillSystemBackground(label);
        break;
    }
    return label;
}

QList<QRadioButton*> makeOptionArray(QWidget* parent, const QString& name,
                                     const QStringList& captions,
                                     const std::function<QRect(int)>& place) {
    QList<QRadioButton*> buttons;
    for (int index = 0; index < captions.size(); ++index) {
        auto* button = new QRadioButton(captions[index], parent);
        button->setObjectName(arrayMemberName(name, index));
        button->setGeometry(place(index));
        buttons.append(button);
    }
    return buttons;
}
