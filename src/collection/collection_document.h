// The collection the program keeps, owned in one place: the Collection, the file it lives in
// (collection.csv in the program's folder, or the file the player chose, kept in ZEMLO.ini)
// and whether changes reach that file. The file is read when the collection is first needed
// and what the forgiving reader did is told once; every change is saved at once, whole and
// atomically, through the file layer. A file that exists but cannot be read is never
// replaced: changes then stay in memory until another file is chosen.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>
#include <string_view>

#include "carddb/card_database.h"
#include "collection/collection.h"
#include "collection/collection_edit.h"
#include "settings/settings_store.h"

class QWidget;

namespace zemlo {

class CollectionDocument : public QObject {
    Q_OBJECT
public:
    CollectionDocument(const CardDatabase& db, SettingsStore& settings,
                       std::filesystem::path programDir, QObject* parent = nullptr);

    // Reads the file unless that was done; what the reader did, or why it could not read,
    // is told over parent. Never called from painting.
    void Load(QWidget* parent);
    bool IsLoaded() const { return loaded_; }

    // Empty until loaded.
    const Collection& Current() const { return collection_; }
    const std::filesystem::path& File() const { return file_; }
    // Why changes do not reach the file: "" while they do.
    const QString& SaveProblem() const { return saveProblem_; }

    // Applies edit (forward, or backward to take it back) and saves the collection at once.
    // A failed save is told over parent, once until a save works again. When the file was
    // changed by another program since it was read or saved, nothing is applied: that is told,
    // the file is read again once the events at hand are handled, and false returned.
    bool Apply(const CollectionEdit& edit, bool forward, QWidget* parent);

    // Keeps the collection in file from now on: an existing file is read and becomes the
    // collection; otherwise the collection is saved there. Remembered in ZEMLO.ini when the
    // settings file can hold the path (else said so).
    void UseFile(const std::filesystem::path& file, QWidget* parent);

    // Another collection file read for an import, its reading told over parent; nothing
    // when it could not be read (told).
    std::optional<Collection> ReadOtherFile(const std::filesystem::path& file, QWidget* parent);
    // Writes the collection to file (an export); false after telling why.
    bool WriteOtherFile(const std::filesystem::path& file, QWidget* parent);

    // The card data's name of a card, or "" for a number it lacks.
    std::u16string_view NameOf(std::u16string_view cardNo) const;

signals:
    // The copies owned may have changed: an edit, the file read, another file.
    void collectionChanged();
    // The whole collection was read anew (from its file, or from another one chosen): what
    // was undone and redone before no longer applies.
    void collectionReplaced();
    // The file, or whether changes reach it, changed.
    void fileStateChanged();

private:
    // What tells that a file changed: whether it is there, its size, time and inode.
    struct FileStamp {
        bool exists = false;
        long long size = 0;
        long long modified = 0;
        unsigned long long inode = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    static FileStamp StampOf(const std::filesystem::path& file);

    enum class ReadOutcome { Read, Missing, Failed };
    // Reads file into collection, telling the player what the reader did or why it failed.
    ReadOutcome ReadFile(const std::filesystem::path& file, Collection& collection,
                         QWidget* parent);
    bool Save(QWidget* parent);
    std::string FileBytes(const Collection& collection) const;
    void SetSaveProblem(const QString& problem);

    const CardDatabase& db_;
    SettingsStore& settings_;
    std::filesystem::path file_;
    Collection collection_;
    bool loaded_ = false;
    // The file exists but could not be read: it is never replaced.
    bool unreadFile_ = false;
    // A failed save was told; the next failure is not, until a save works.
    bool saveFailureTold_ = false;
    QString saveProblem_;
    // The file as it was when last read or written here.
    FileStamp stamp_;
};

}  // namespace zemlo
