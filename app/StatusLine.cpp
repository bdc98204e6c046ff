#include "StatusLine.h"

#include "Twips.h"

const QString StatusLine::kUnsavedWarning =
    QStringLiteral("attention votre modification n'est pas enregistée dans l'ostrel");

StatusLine::StatusLine(QWidget* parent)
    : QLabel(parent) {
    setObjectName(QStringLiteral("Label10"));
    setGeometry(twipsRect(0, 720, 6855, 375));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}
