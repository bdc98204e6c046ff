#include "StatusLine.h"

#include "Twips.h"

namespace {
const char* const kWarning = QT_TRANSLATE_NOOP(
    "StatusLine", "attention votre modification n'est pas enregistée dans l'ostrel");
} // namespace

const QString StatusLine::kUnsavedWarning = QString::fromUtf8(kWarning);

void StatusLine::warnUnsaved() {
    setText(tr(kWarning));
}

StatusLine::StatusLine(QWidget* parent)
    : QLabel(parent) {
    setObjectName(QStringLiteral("Label10"));
    setGeometry(twipsRect(0, 720, 6855, 375));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}
