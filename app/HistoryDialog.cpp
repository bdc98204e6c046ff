#include "HistoryDialog.h"

#include "settings/NamedSettings.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

HistoryDialog::HistoryDialog(const QList<HistoryEntry>& entries, const SettingsImage& shown,
                             const QPalette& palette, QWidget* parent)
    : QDialog(parent)
    , entries_(entries) {
    setObjectName(QStringLiteral("historyDialog"));
    setWindowTitle(tr("Historique de l'ostrel"));
    setPalette(palette);
    resize(720, 380);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        entries.isEmpty()
            ? tr("Aucune écriture n'a encore été gardée pour cet ostrel.")
            : tr("Avant chaque écriture, ce qui était sur l'ostrel est gardé ici, du plus "
                 "récent au plus ancien. Choisissez les réglages à remettre :"),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("historyList"));
    list->setAccessibleName(tr("Historique de l'ostrel"));
    list->setHeaderLabels({tr("Gardés le"), tr("Ce qui changerait dans la fenêtre")});
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (const HistoryEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(list, {keptText(entry), changesText(entry, shown)});
        item->setTextAlignment(0, Qt::AlignLeft | Qt::AlignTop);
        if (!entry.restorable()) {
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        }
    }
    intro->setBuddy(list);
    layout->addWidget(list);

    auto* buttons = new QDialogButtonBox(this);
    restore = buttons->addButton(tr("Remettre sur l'ostrel"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("historyRestore"));
    restore->setEnabled(false);
    closeButton = buttons->addButton(tr("Fermer"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(list, &QTreeWidget::currentItemChanged, this, [this] {
        const QTreeWidgetItem* item = list->currentItem();
        restore->setEnabled(item != nullptr && (item->flags() & Qt::ItemIsEnabled));
    });
    connect(list, &QTreeWidget::itemActivated, restore, &QPushButton::click);
    connect(restore, &QPushButton::clicked, this, [this] {
        const int row = list->indexOfTopLevelItem(list->currentItem());
        if (row >= 0 && restore->isEnabled()) {
            emit restoreRequested(entries_[row]);
        }
    });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    list->setFocus();
}

QString HistoryDialog::keptText(const HistoryEntry& entry) {
    return entry.kept.isValid() ? entry.keptText() : tr("date inconnue");
}

QString HistoryDialog::changesText(const HistoryEntry& entry, const SettingsImage& shown) {
    if (!entry.restorable()) {
        return entry.damageText();
    }
    SettingsImage kept;
    kept.load(entry.bytes);
    const QStringList changes = captionedChanges(shown, kept, tr("%1 : %2 → %3"));
    return changes.isEmpty() ? tr("les mêmes réglages que la fenêtre") : changes.join(u'\n');
}
