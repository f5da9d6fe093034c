#include "ui/boss_key.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "platform/window_caption.h"
#include "ui/boss_key_dialog.h"
#include "ui/boss_rules.h"

namespace zemlo {

QIcon ProgramIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(24, 48, 96));
    QPainter painter(&pixmap);
    painter.setPen(QColor(250, 210, 60));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(24);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Z"));
    return QIcon(pixmap);
}

BossKey::BossKey(SettingsStore& settings, QIcon programIcon)
    : settings_(settings), icons_{programIcon, programIcon} {}

void BossKey::Load() {
    Use(LoadBossSettings(settings_));
    // A disguise with a blank icon path keeps the program's icon, as the settings dialog does.
    if (!UsesIconFile(boss_)) return;
    QIcon icon;
    QString error;
    if (!LoadIconPicture(QString::fromStdU16String(boss_.iconPath), icon, error)) {
        // An icon that cannot be loaded turns the disguise off for this run only.
        boss_ = BossSettings{u"0", u"", u""};
        return;
    }
    UseIcon(icon);
}

QString BossKey::MinimisedCaption(const QString& normalCaption) const {
    return boss_.use == u"1" ? QString::fromStdU16String(boss_.taskName) : normalCaption;
}

void BossKey::Dress(QWidget& window, bool minimised, const QString& normalCaption) const {
    window.setWindowIcon(IconWhen(minimised));
    const QString caption = minimised ? MinimisedCaption(normalCaption) : normalCaption;
    window.setWindowTitle(caption);
    // Qt shows the program's name for an empty title, which would give the disguise away;
    // the title stays empty for Qt, so the restore is sent as a change.
    if (minimised && caption.isEmpty()) Captions().WriteEmptyCaption(window);
}

void BossKey::AddMenuItem(QMenu* menu, QWidget* window, const std::filesystem::path& programDir) {
    QAction* item = menu->addAction(QStringLiteral("ﾎﾞｽが来た機能の設定"));
    item->setObjectName("mnuBoss");
    QObject::connect(item, &QAction::triggered, window, [this, window, programDir] {
        BossKeyDialog dialog(*this, programDir, window);
        dialog.exec();
    });
}

void BossKey::Use(const BossSettings& boss) {
    boss_ = boss;
    icons_[1] = icons_[0];
}

}  // namespace zemlo
