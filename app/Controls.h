#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class Frame;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// Controls keep the names of the window's design as object names; members of
// a control array are named like "Option3(2)".
QString arrayMemberName(const QString& arrayName, int index);

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& place);
Frame* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& place);

enum class LabelStyle { Plain, Centred, BorderedCentred };
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
                  LabelStyle style = LabelStyle::Plain);

// Builds the option buttons of one array, member i at place(i), in index order.
QList<QRadioButton*> makeOptionArray(QWidget* parent, const QString& name,
                                     const QStringList& captions,
                                     const std::function<QRect(int)>& place);
