// The store of versions in the program's own folder: a save that replaces a character or possession
// file keeps what it replaces there first, and the store is thinned after the save (version_names.h).
// A version is kept before the file is replaced, each part written whole and durably: a copy first,
// then the file naming its folder, which makes it a version. A save killed at any point leaves the
// old file without a new version, the old file with its version, or the new file with the version.
#pragma once

#include "versions/version_names.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace versions {

struct Version {
    VersionTime time;
    QString copy; // the stored copy, a plain file in the file's own format
    qint64 size = 0;
};

class Store {
public:
    // The store below the program's folder; an empty folder keeps nothing (the program only reads).
    explicit Store(const QString& programFolder);

    // Writes bytes over the file at path as a save does (common::writeSmallFile, links only within
    // the folder), keeping what the file held as a version first unless it held the same bytes. A
    // version that cannot be kept does not stop the save; standard error says why. Then thins.
    bool save(const QString& path, const QByteArray& bytes,
              const QDateTime& now = QDateTime::currentDateTimeUtc()) const;

    // The versions of the file at path (of that name, from that folder), newest first.
    QList<Version> versionsOf(const QString& path) const;

    // Removes what thinning leaves out of the versions of the file at path, then the oldest versions
    // beyond each file's newest kAlwaysKept while the store holds more than kStoreBytes.
    void thin(const QString& path, const QDateTime& now) const;

private:
    // Whether a version was kept.
    bool keepReplaced(const QString& path, const QByteArray& bytes, const QDateTime& now) const;
    bool keep(const QString& path, const QByteArray& old, const QDateTime& now) const;
    QString shelfOf(const QString& path) const;
    void keepWithinBound() const;
    void removeVersion(const Version& version) const;
    qint64 countStored() const;

    QString root_;
    mutable std::optional<qint64> stored_; // the bytes in the store, once counted
};

} // namespace versions
