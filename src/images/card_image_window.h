// "ｶｰﾄﾞ画像": a modeless, resizable window beside the main window that shows the image of
// the card the card information shows, or the card's drawn face while it has none. It never
// waits on a picture: it asks the image loader and shows the face until the picture of
// exactly that card and size comes. Its place, size and stay-on-top choice are kept in
// ZEMLO.ini (IMAGES) when it closes; the folder of images can be chosen here.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "carddb/card_database.h"
#include "images/image_decoder.h"
#include "settings/image_settings.h"
#include "settings/settings_store.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace zemlo {

class CardImageView;
class ImageFolder;
class ImageLoader;

class CardImageWindow : public QWidget {
    Q_OBJECT
public:
    CardImageWindow(const CardDatabase& db, ImageFolder& folder, ImageLoader& loader,
                    SettingsStore& settings, QWidget* mainWindow);

    // Shows the window where it was last, or beside the main window the first time.
    void Open();
    // The card the card information shows now; shown at once while the window is open.
    void Follow(CardKind kind, const QString& cardNo);
    // Hidden while the main window is minimised, back when it is restored.
    void FollowMainWindow(bool minimised);

    CardImageView* view;
    QLabel* cardLabel;
    QLabel* folderLabel;
    QPushButton* browseButton;
    QCheckBox* onTopBox;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowShownCard();
    void ImageReady(const QByteArray& key, const DecodedImage& result);
    void ShowFolder();
    void BrowseFolder();
    void SavePlace();
    void PlaceBesideMainWindow();

    const CardDatabase& db_;
    ImageFolder& folder_;
    ImageLoader& loader_;
    SettingsStore& settings_;
    QWidget* mainWindow_;
    CardKind kind_ = CardKind::Unit;
    QString cardNo_;
    // The picture waited for; a picture under any other key is not this card's.
    QByteArray wanted_;
    // The file whose picture the view shows, or empty.
    QByteArray shownPath_;
    // The place read from, or last written to, the settings file.
    ImageWindowPlace storedPlace_;
    bool hiddenWithMainWindow_ = false;
    QString folderNote_;
    QTimer* resizeDelay_;
};

}  // namespace zemlo
