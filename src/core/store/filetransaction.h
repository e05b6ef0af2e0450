#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace trelfin {

class MessageSink;

// Changes to several files of one database that take effect together. Every new content is
// first written and flushed under a short temporary name in the database's folder; then an
// intent file "<name>.tfx" lists the steps that put them in place; then the steps run and the
// intent file goes. Whatever stops the program, the database is either still the old one (no
// intent file yet: the next open removes the stray temporary files) or becomes the new one (the
// next open finds the intent file and completes its steps, each of which can safely run twice).
//
// A file that is replaced or removed keeps its previous content as "<file>~" (one level), so a
// saved mistake can still be undone by hand.
class FileTransaction
{
public:
    // The database "<folder><name>.*"; `folder` ends with its separator (or is empty).
    FileTransaction(const QString &folder, const QString &name);
    ~FileTransaction();
    FileTransaction(const FileTransaction &) = delete;
    FileTransaction &operator=(const FileTransaction &) = delete;

    // Whether a file must be written for the transaction to count. An optional file that cannot
    // be written is reported and left as it was, and the others are written all the same.
    enum class Need { required, optional };

    // `path` is to hold `bytes`. Written at once under a temporary name; false (after a message
    // naming `path`) when that fails, and a required file then fails the whole transaction.
    bool write(const QString &path, const QByteArray &bytes, MessageSink &sink, Need need = Need::required);
    // `path` is to hold a copy of what `source` holds now (a file of its own, with its permissions).
    bool copyFrom(const QString &source, const QString &path, MessageSink &sink);
    // `path` is to go; its content stays as "<path>~" unless `keepBackup` is false.
    void remove(const QString &path, bool keepBackup = true);

    // Puts every change in place. False (after a message) when the changes could not be
    // committed: the old files are then untouched and the temporary files gone. True once the
    // commit point is passed: the new files are the database's, and a step that failed after it
    // (reported) is completed by the next write or open of the database.
    bool commit(MessageSink &sink);
    // The commit of a transaction of one file written: its temporary file is renamed into place,
    // which is all or nothing by itself and needs no intent file.
    bool commitSingle(MessageSink &sink);

    bool failed() const { return m_failed; }
    // A file written anew takes the permissions of the file it replaces; one that replaces none
    // (a new period, a missing side file) those of this file: the database record
    // "<folder><name>.tf4" unless set otherwise.
    void setModeSource(const QString &path) { m_modeSource = path; }
    // Whether replaced files keep their previous content as "<file>~" (the default); files the
    // program writes for other programs (exports) do without.
    void setKeepBackups(bool keep) { m_keepBackups = keep; }

    // What the next open of a database runs first: completes the steps of an intent file left by
    // a commit that was stopped, and removes the database's stray temporary files. False (after
    // a message) when a step could not be completed; the database must not be opened then.
    // An intent whose files have changed since it was made (a database restored from a copy) is
    // set aside with a message and takes no step; a damaged one refuses, with a message, and stays;
    // a deletion that was stopped is finished with a message. `outcome`, when given, says which.
    enum class Pending { none, completed, deletionCompleted, setAside };
    static bool completePending(const QString &folder, const QString &name, MessageSink &sink,
                                Pending *outcome = nullptr);

    // The temporary name of a new content of a file of the database `name`: short, whatever
    // the length of the name, and recognisable as that database's.
    static QString temporaryPath(const QString &folder, const QString &name);
    static QString intentPath(const QString &folder, const QString &name);
    static QString backupPath(const QString &path) { return path + u'~'; }

private:
    struct Step
    {
        QString temporary;  // empty: remove `target`
        QString target;
        bool keepBackup = true;
        bool optional = false;
        QByteArray after; // what a put step makes the target hold, as the intent records it
        bool besideLinkTarget = false; // the target is a link; the temporary lies beside its file
    };

    // Runs the steps of an intent file left by a commit that did not finish, and removes it.
    static bool finishIntent(const QString &folder, const QString &name, MessageSink &sink, Pending *outcome);
    bool prepare(const QString &path, bool written, const QString &temporary, const QByteArray &content,
                 const QString &reason, MessageSink &sink, Need need);
    void discard();
    QString relativeName(const QString &path) const;
    int modeFor(const QString &path) const;

    QString m_folder;
    QString m_name;
    QList<Step> m_steps;
    bool m_failed = false;
    bool m_committed = false;
    bool m_keepBackups = true;
    QString m_modeSource;
};

} // namespace trelfin
