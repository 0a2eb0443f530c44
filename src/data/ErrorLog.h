#pragma once
#include <QString>

// The program's error log: a text file in the user's data folder with one line for every fault
// nobody handled, so whoever looks after the shop can see what happened, when and where.
class ErrorLog {
public:
    // The log of this user: "<user data folder>/cvi-zelto/errors.log".
    static QString defaultPath();

    explicit ErrorLog(QString path = defaultPath());
    const QString& path() const { return m_path; }

    // Appends "yyyy-MM-dd HH:mm:ss | where | what" (line breaks in the texts become blanks),
    // creating the folder when missing. False when the file cannot be written.
    bool append(const QString& where, const QString& what) const;

private:
    QString m_path;
};
