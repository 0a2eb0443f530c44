#pragma once
#include <QString>

// What the login remembers between runs.
struct ConnectionSettings {
    QString databasePath;
    QString password; // empty when "Recordar Contraseña" was not ticked
    QString user;
};

// The settings file of the login: an INI file with section "ConfigDB", one per computer.
// Linux: /etc/cvi-zelto/poldivju.ini; Windows: %ProgramData%/CVI Zelto/poldivju.ini. When that
// place cannot be written (a cashier without administrator rights and no prepared folder), the
// file of the user's own configuration folder is used instead. CVI_SETTINGS_FILE names another
// file outright.
// User and password are stored upper-cased and scrambled and come back lower-cased; the path is
// scrambled with its case kept, because upper-casing would lose it on a case-sensitive disk.
class SettingsFile {
public:
    static QString machinePath();
    static QString userPath();
    // The file read at the login and the one written; the same file unless the machine-wide one
    // cannot be written.
    static QString readPath();
    static QString writePath();

    static bool exists();
    static ConnectionSettings read();
    // False when the file could not be written.
    static bool write(const ConnectionSettings& settings);
};
