#pragma once

#include <QPointer>
#include <QWidget>

// A ring drawn around the option button or level bar that has the keyboard
// focus, in the colour of the text around it (dark on the light pages, the
// desktop's own on its surfaces), so that the focus shows on every page
// colour: the style's own mark is faint there, or missing on the bars and on
// the option buttons without a caption.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* window);

    // The control it surrounds now; none when hidden.
    QWidget* target() const { return target_; }
    QColor colour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);

    QPointer<QWidget> target_;
};
