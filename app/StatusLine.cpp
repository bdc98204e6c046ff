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

void StatusLine::sayOutsideWrite(const QStringList& settings, bool unsaved) {
    const QString written =
        settings.isEmpty()
            ? tr("ostrelctl a écrit sur l'ostrel")
            : tr("ostrelctl a changé sur l'ostrel : %1").arg(settings.join(QStringLiteral(", ")));
    setText(unsaved ? tr("%1 ; %2").arg(tr(kWarning), written) : written);
}

StatusLine::StatusLine(QWidget* parent)
    : QLabel(parent) {
    setObjectName(QStringLiteral("Label10"));
    setGeometry(twipsRect(0, 720, 6855, 375));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}
