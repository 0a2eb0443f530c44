#pragma once
#include <QString>

// What the login remembers between runs.
struct ConnectionSettings {
    QString databasePath;
    QString password;  // empty when "Recordar Contraseña" was not ticked
    QString user;
};

// The settings file of the login: an INI file with section "ConfigDB", one per computer.
// Linux: /etc/cvi-zelto/poldivju.ini; Windows: %ProgramData%/CVI Zelto/poldivju.ini. When that
// place cannot be written (a cashier without administrator rights and no prepared folder), the
// file of the user's own configuration folder is used instead. CVI_SETTINGS_FILE names another
// file outright.
// User and path are scrambled (the path with its case kept, because upper-casing would lose it on
// a case-sensitive disk); the user comes back lower-cased. The remembered password (upper-cased,
// back lower-cased) is sealed with the computer's key (see SettingsSecret), and so is a server's
// password taken out of the connection text, kept only when the password is remembered. The file
// is created readable and writable by its owner and group only.
class SettingsFile {
public:
    static QString machinePath();
    static QString userPath();
    // The file read at the login and the one written; the same file unless the machine-wide one
    // cannot be written.
    static QString readPath();
    static QString writePath();

    static bool exists();
    // The key file that seals the passwords of the settings file `settingsPath`.
    static QString keyPath(const QString& settingsPath);
    static ConnectionSettings read();
    // False when the file could not be written.
    static bool write(const ConnectionSettings& settings);
};
