// The boss key's disguise of the minimised main window: the section BOSS of ZEMLO.ini in
// effect, and the window's icon pair imgIcon (the program's own icon, and the one shown
// while minimised). Read at start-up, changed by the settings dialog.
#pragma once

#include <QIcon>
#include <QString>
#include <filesystem>

#include "settings/boss_settings.h"

class QMenu;
class QWidget;

namespace zemlo {

// The program's own icon, drawn once.
QIcon ProgramIcon();

class BossKey {
public:
    BossKey(SettingsStore& settings, QIcon programIcon);

    // Start-up: reads the section. An icon file that is no picture turns the disguise off
    // for this run only.
    void Load();

    const BossSettings& Settings() const { return boss_; }
    SettingsStore& Store() const { return settings_; }
    const QIcon& IconWhen(bool minimised) const { return icons_[minimised ? 1 : 0]; }
    // The caption of the minimised window: the task name while the disguise is on.
    QString MinimisedCaption(const QString& normalCaption) const;
    // Gives window the icon and caption of its state: the disguise's while minimised.
    void Dress(QWidget& window, bool minimised, const QString& normalCaption) const;

    // "ﾎﾞｽが来た機能の設定" (mnuBoss) at the end of menu: the settings dialog over window,
    // its icon dialog starting in programDir.
    void AddMenuItem(QMenu* menu, QWidget* window, const std::filesystem::path& programDir);

    // The settings dialog's values take effect at once, with the program's icon until
    // UseIcon gives the minimised window its picture.
    void Use(const BossSettings& boss);
    void UseIcon(const QIcon& icon) { icons_[1] = icon; }

private:
    SettingsStore& settings_;
    BossSettings boss_;
    QIcon icons_[2];
};

}  // namespace zemlo
