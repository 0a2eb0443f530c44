#include "ShopFixture.h"
#include "WindowDriver.h"

#include "data/MainStatus.h"
#include "data/PasswordHash.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/TicketPrinterSettings.h"
#include "masterdata/ui/UUsuarios.h"
#include "printing/ui/InstalledPrinters.h"
#include "widgets/DataGrid.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

const QString kCurrentUser = QStringLiteral("Usuario actual no puede Editar estos Datos");
const QString kNoRights = QStringLiteral("00000000000000000000");
const QString kRightsSaved =
    QStringLiteral("Cambios actualizados correctamente, para que surja efecto debe iniciar sesion nuevamente");

// Grid columns of the users list.
enum { ColLogin = 1, ColEstado = 2, ColEliminar = 3 };

// The demo shop logged in as its administrator (stored as "ADMIN", logged in as "admin"), with
// two more users: ANA (listed first by name) and LUIS.
struct UsersShop {
    ShopFixture shop;

    UsersShop()
    {
        const QString insert = QStringLiteral("INSERT INTO Usuario(Login, ClaveHash, Nombre, Ocupacion, Estado, M1, M2, "
                                              "M3, M4, M5, M6) VALUES(?, ?, ?, 'CAJERO', 1, ?, ?, ?, ?, ?, ?)");
        static const QString a1 = PasswordHash::Make(QStringLiteral("A1"));
        static const QString l1 = PasswordHash::Make(QStringLiteral("L1"));
        shop.db().execute(insert,
                          {"ANA", a1, "ANA ROJAS", "100000000", "00000000000", "000000", "11000", "00000000", kNoRights});
        shop.db().execute(insert, {"LUIS", l1, "LUIS MENDOZA", kNoRights, kNoRights, kNoRights, kNoRights, kNoRights,
                                   "11110000000000000000"});
        shop.login();
    }
    ~UsersShop() { InstalledPrinters::install({}); }

    std::unique_ptr<TFUsuarios> open(int mode)
    {
        SessionState::current().AdminMode = mode;
        auto window = std::make_unique<TFUsuarios>();
        window->show();
        return window;
    }

    SqlRows user(const QString& login)
    {
        return shop.db().query(QStringLiteral("SELECT * FROM Usuario WHERE Login=?"), {login});
    }
    QStringList rights(const QString& login)
    {
        const SqlRows row = user(login);
        QStringList strings;
        for (int column = 5; column <= 10; ++column)
            strings << row.text(column);
        return strings;
    }
    qint64 count(const QString& sql) { return shop.db().query(sql).integer(0); }
};

DataGrid* grid(QWidget& window) { return Drive::control<DataGrid>(window, "Vec0"); }

int rowOf(QWidget& window, const QString& login) { return grid(window)->findRow(ColLogin, login); }

void chooseUser(QWidget& window, const QString& login) { grid(window)->goToRow(rowOf(window, login)); }

void clickCell(QWidget& window, const QString& login, int column)
{
    DataGrid* list = grid(window);
    const int row = rowOf(window, login);
    QVERIFY(row >= 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, column)).center());
}

void tick(QWidget& window, const char* box, bool ticked = true)
{
    Drive::control<QCheckBox>(window, box)->setChecked(ticked);
}

void typeUser(QWidget& window, const QString& login, const QString& password, const QString& confirmation,
              const QString& name, const QString& occupation)
{
    Drive::type(window, "ELogin", login);
    Drive::type(window, "EClave1", password);
    Drive::type(window, "EClave2", confirmation);
    Drive::type(window, "ENombre", name);
    Drive::type(window, "EOcupacion", occupation);
}

}

class TstUUsuarios : public QObject {
    Q_OBJECT
private slots:
    void usersModeOpensOnTheFirstUserByName()
    {
        UsersShop u;
        auto window = u.open(1);
        QCOMPARE(window->windowTitle(), QStringLiteral("Usuarios del Sistema"));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Usuarios del Sistema"));
        DataGrid* list = grid(*window);
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE((QStringList{list->cell(ColLogin, 0), list->cell(ColLogin, 1), list->cell(ColLogin, 2)}),
                 (QStringList{"ADMIN", "ANA", "LUIS"}));  // ADMINISTRADOR, ANA ROJAS, LUIS MENDOZA
        QCOMPARE(Drive::text(*window, "ELogin"), QStringLiteral("ADMIN"));
        // Only a hash of the password is stored: the window never shows one.
        QCOMPARE(Drive::text(*window, "EClave1"), QString());
        QCOMPARE(Drive::text(*window, "EClave2"), QString());
        QVERIFY(Drive::enabled(*window, "SBActualizar"));
        QVERIFY(!Drive::enabled(*window, "SBInsertar"));

        chooseUser(*window, "ANA");
        QCOMPARE(Drive::text(*window, "ENombre"), QStringLiteral("ANA ROJAS"));
        QVERIFY(Drive::control<QCheckBox>(*window, "CBV1")->isChecked());
        QVERIFY(!Drive::control<QCheckBox>(*window, "CBV2")->isChecked());
        QVERIFY(Drive::control<QCheckBox>(*window, "CBJ1")->isChecked());
        QVERIFY(!Drive::control<QCheckBox>(*window, "CBJ5")->isChecked());

        Drive::click(*window, "SBNuevo");
        QCOMPARE(Drive::text(*window, "ELogin"), QString());
        QVERIFY(Drive::enabled(*window, "SBInsertar"));
        QVERIFY(!Drive::enabled(*window, "SBActualizar"));

        // Enter moves through the five fields in order and stays in the last one.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const char* const order[] = {"ELogin", "EClave1", "EClave2", "ENombre", "EOcupacion", "EOcupacion"};
        Drive::control<QLineEdit>(*window, order[0])->setFocus();
        for (int i = 0; i + 1 < 6; ++i) {
            Drive::key(*window, order[i], Qt::Key_Return);
            QVERIFY2(Drive::control<QLineEdit>(*window, order[i + 1])->hasFocus(), order[i + 1]);
        }
    }

    void insertRefusals_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << "PEDRO"
                                    << "P1"
                                    << ""
                                    << "Inserte los datos correctamente";
        QTest::newRow("blank login") << "   "
                                     << "P1"
                                     << "PEDRO"
                                     << "Inserte los datos correctamente";
        QTest::newRow("passwords differ") << "PEDRO"
                                          << "P2"
                                          << "PEDRO"
                                          << "Claves no coinciden";
        QTest::newRow("login exists in another case") << "admin"
                                                      << "P1"
                                                      << "OTRO ADMIN"
                                                      << "El Login ya existe en la Base de Datos";
    }
    void insertRefusals()
    {
        QFETCH(QString, login);
        QFETCH(QString, confirmation);
        QFETCH(QString, name);
        QFETCH(QString, message);
        UsersShop u;
        auto window = u.open(1);
        Drive::click(*window, "SBNuevo");
        typeUser(*window, login, "P1", confirmation, name, "CAJERO");
        // The key filter upper-cases as typed; a login typed in lower case is set directly.
        if (login == QLatin1String("admin"))
            Drive::control<QLineEdit>(*window, "ELogin")->setText(login);
        Drive::click(*window, "SBInsertar");
        QCOMPARE(u.shop.messages.infos, QStringList{message});
        QCOMPARE(u.count(QStringLiteral("SELECT COUNT(*) FROM Usuario")), 3);
    }

    void insertedUserHasNoRights()
    {
        UsersShop u;
        auto window = u.open(1);
        Drive::click(*window, "SBNuevo");
        typeUser(*window, "pedro", "p'1", "p'1", "pedro poma", "cajero");
        Drive::click(*window, "SBInsertar");
        QVERIFY(u.shop.messages.all.isEmpty());
        const SqlRows row = u.user("PEDRO");
        QCOMPARE(row.text(0), QStringLiteral("PEDRO"));
        QCOMPARE(row.text(1), QString());  // the password only as its hash
        QVERIFY(PasswordHash::Matches(QStringLiteral("P1"), row.text(QStringLiteral("ClaveHash"))));  // no apostrophe
        QVERIFY(!PasswordHash::Matches(QStringLiteral("P'1"), row.text(QStringLiteral("ClaveHash"))));
        QCOMPARE(row.text(2), QStringLiteral("PEDRO POMA"));
        QCOMPARE(row.integer(4), 1);
        QCOMPARE(u.rights("PEDRO"), QStringList(6, kNoRights));
        QCOMPARE(grid(*window)->rowCount(), 4);
        QCOMPARE(Drive::text(*window, "ELogin"), QString());  // ready for the next one
        QVERIFY(Drive::enabled(*window, "SBInsertar"));
    }

    // Rights go to the user whose data is shown, found by login: inserting another user reloads
    // the list and moves everybody's rows.
    void rightsGoToTheChosenUserAfterAnInsert()
    {
        UsersShop u;
        auto window = u.open(1);
        chooseUser(*window, "ANA");
        Drive::click(*window, "SBNuevo");
        typeUser(*window, "AAA", "X", "X", "AAA PRIMERO", "CAJERO");  // listed before everybody
        Drive::click(*window, "SBInsertar");
        QCOMPARE(grid(*window)->cell(ColLogin, 0), QStringLiteral("AAA"));
        tick(*window, "CBC4");
        tick(*window, "CBS1");
        Drive::click(*window, "SBActualizarN");
        QCOMPARE(u.shop.messages.infos, QStringList{kRightsSaved});
        QCOMPARE(u.rights("ANA").mid(0, 5), (QStringList{"100000000", "00010000000", "000000", "11000", "10000000"}));
        QCOMPARE(u.rights("AAA"), QStringList(6, kNoRights));
    }

    // Every box ticked: strings as long as their groups, the cash string's fourth always '0', M6 kept.
    void savedRightsHaveTheirGroupLengths()
    {
        UsersShop u;
        auto window = u.open(1);
        chooseUser(*window, "LUIS");
        tick(*window, "CBTodo");
        Drive::click(*window, "SBActualizarN");
        QCOMPARE(u.rights("LUIS"),
                 (QStringList{"111111111", "11111111111", "111111", "11101", "11111111", "11110000000000000000"}));
        tick(*window, "CBTodo", false);
        QVERIFY(!Drive::control<QCheckBox>(*window, "CBH6")->isChecked());
    }

    // The logged-in user keeps his right to manage users, and stays protected after renaming.
    void currentUserIsProtected()
    {
        UsersShop u;
        auto window = u.open(1);
        chooseUser(*window, "ADMIN");
        tick(*window, "CBH2", false);
        Drive::click(*window, "SBActualizarN");
        QCOMPARE(u.shop.messages.infos, QStringList{kCurrentUser});
        QCOMPARE(u.rights("ADMIN").value(2), QStringLiteral("11111111111111111111"));

        tick(*window, "CBH2");
        Drive::type(*window, "ELogin", QStringLiteral("JEFE"));
        Drive::click(*window, "SBActualizar");
        QCOMPARE(u.count(QStringLiteral("SELECT COUNT(*) FROM Usuario WHERE Login='JEFE'")), 1);
        QCOMPARE(grid(*window)->cell(ColLogin, rowOf(*window, "JEFE")), QStringLiteral("JEFE"));
        QCOMPARE(SessionState::current().UserLogin, QStringLiteral("jefe"));
        u.shop.messages.clear();
        clickCell(*window, "JEFE", ColEstado);
        clickCell(*window, "JEFE", ColEliminar);
        QCOMPARE(u.shop.messages.infos, (QStringList{kCurrentUser, kCurrentUser}));
        QVERIFY(u.shop.messages.questions.isEmpty());
        QCOMPARE(u.user("JEFE").integer(4), 1);
    }

    // After "NUEVO" the row stays highlighted: a click on it shows that user again.
    void clickOnTheHighlightedRowShowsIt()
    {
        UsersShop u;
        auto window = u.open(1);
        clickCell(*window, "ANA", ColLogin);
        QCOMPARE(Drive::text(*window, "ENombre"), QStringLiteral("ANA ROJAS"));
        Drive::click(*window, "SBNuevo");
        QCOMPARE(Drive::text(*window, "ENombre"), QString());
        clickCell(*window, "ANA", ColLogin);
        QCOMPARE(Drive::text(*window, "ELogin"), QStringLiteral("ANA"));
        QCOMPARE(Drive::text(*window, "ENombre"), QStringLiteral("ANA ROJAS"));
        QVERIFY(Drive::enabled(*window, "SBActualizar"));
        QVERIFY(!Drive::enabled(*window, "SBInsertar"));
    }

    void updateUserData_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("message");
        QTest::newRow("another user's login") << "LUIS"
                                              << "El Login ya existe en la Base de Datos";
        QTest::newRow("own login in another case") << "ana"
                                                   << "";
        QTest::newRow("new login") << "ANITA"
                                   << "";
    }
    void updateUserData()
    {
        QFETCH(QString, login);
        QFETCH(QString, message);
        UsersShop u;
        auto window = u.open(1);
        chooseUser(*window, "ANA");
        Drive::control<QLineEdit>(*window, "ELogin")->setText(login);
        Drive::type(*window, "ENombre", QStringLiteral("ANA R. DE PAZ"));
        Drive::click(*window, "SBActualizar");
        QCOMPARE(u.shop.messages.infos, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(u.count(QStringLiteral("SELECT COUNT(*) FROM Usuario WHERE Nombre='ANA R. DE PAZ'")),
                 message.isEmpty() ? 1 : 0);
        if (message.isEmpty()) {
            QCOMPARE(u.user(login).text(0), login);
            QCOMPARE(grid(*window)->cell(ColLogin, 1), login);
        }
    }

    // The password fields start empty; left empty they keep the stored password, and so does
    // typing the one the user already has (his shipped-password mark too). A new one replaces it.
    void updatePassword_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("answersTo");
        QTest::addColumn<int>("mark");
        QTest::newRow("left empty") << ""
                                    << ""
                                    << ""
                                    << "a1" << 1;
        QTest::newRow("the same again") << "A1"
                                        << "A1"
                                        << ""
                                        << "a1" << 1;
        QTest::newRow("a new one") << "NUEVA"
                                   << "NUEVA"
                                   << ""
                                   << "nueva" << 0;
        QTest::newRow("confirmation differs") << "NUEVA"
                                              << "OTRA"
                                              << "Claves no coinciden"
                                              << "a1" << 1;
        QTest::newRow("only one field") << "NUEVA"
                                        << ""
                                        << "Claves no coinciden"
                                        << "a1" << 1;
    }
    void updatePassword()
    {
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        QFETCH(QString, answersTo);
        QFETCH(int, mark);
        UsersShop u;
        u.shop.db().execute(QStringLiteral("UPDATE Usuario SET CambiarClave=1 WHERE Login='ANA'"));
        auto window = u.open(1);
        chooseUser(*window, "ANA");
        QCOMPARE(Drive::text(*window, "EClave1"), QString());
        QCOMPARE(Drive::control<QLineEdit>(*window, "EClave1")->placeholderText(),
                 QStringLiteral("vacía: se mantiene la clave actual"));
        Drive::type(*window, "EClave1", password);
        Drive::type(*window, "EClave2", confirmation);
        Drive::click(*window, "SBActualizar");
        QCOMPARE(u.shop.messages.infos, message.isEmpty() ? QStringList() : QStringList{message});
        const SqlRows ana = u.user(QStringLiteral("ANA"));
        QVERIFY(PasswordHash::Matches(answersTo, ana.text(QStringLiteral("ClaveHash"))));
        QCOMPARE(ana.text(QStringLiteral("Clave")), QString());
        QCOMPARE(ana.integer(QStringLiteral("CambiarClave")), mark);
        if (message.isEmpty())
            QCOMPARE(Drive::text(*window, "EClave1"), QString());
    }

    // The box flips only after the database took the change.
    void blockAndActivate_data()
    {
        QTest::addColumn<bool>("fails");
        QTest::newRow("stored") << false;
        QTest::newRow("the write fails") << true;
    }
    void blockAndActivate()
    {
        QFETCH(bool, fails);
        UsersShop u;
        if (fails)
            u.shop.db().execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Usuario "
                                               "BEGIN SELECT RAISE(ABORT, 'base de datos bloqueada'); END"));
        auto window = u.open(1);
        clickCell(*window, "LUIS", ColEstado);
        QCOMPARE(grid(*window)->isChecked(ColEstado, rowOf(*window, "LUIS")), fails);
        QCOMPARE(u.user("LUIS").integer(4), fails ? 1 : 0);
        if (fails) {
            QCOMPARE(u.shop.messages.errors, QStringList{"base de datos bloqueada"});
            QVERIFY(u.shop.messages.infos.isEmpty());
            return;
        }
        QCOMPARE(u.shop.messages.infos, QStringList{"Usuario bloqueado correctamente"});
        clickCell(*window, "LUIS", ColEstado);
        QCOMPARE(u.user("LUIS").integer(4), 1);
        QVERIFY(grid(*window)->isChecked(ColEstado, rowOf(*window, "LUIS")));
        QCOMPARE(u.shop.messages.infos.last(), QStringLiteral("Usuario activado correctamente"));
    }

    void deleteUser_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteUser()
    {
        QFETCH(bool, answer);
        UsersShop u;
        auto window = u.open(1);
        chooseUser(*window, "LUIS");
        u.shop.messages.answerNext(answer);
        clickCell(*window, "LUIS", ColEliminar);
        QCOMPARE(
            u.shop.messages.questions.value(0),
            qMakePair(QStringLiteral("Eliminar Usuario"), QStringLiteral("Esta Seguro que quiere Eliminar el Usuario?...")));
        QCOMPARE(u.count(QStringLiteral("SELECT COUNT(*) FROM Usuario WHERE Login='LUIS'")), answer ? 0 : 1);
        QCOMPARE(grid(*window)->rowCount(), answer ? 2 : 3);
        if (answer)  // the shown user is gone: the row now in his place is shown
            QCOMPARE(Drive::text(*window, "ELogin"), QStringLiteral("ANA"));
    }

    void parametersShowTheSession_data()
    {
        QTest::addColumn<int>("printFormat");
        QTest::addColumn<int>("printerIndex");
        QTest::addColumn<QString>("printer");
        QTest::newRow("ticket on the second printer") << 0 << 1 << "Laser";
        QTest::newRow("letter") << 1 << 0 << "Termica";
        QTest::newRow("a printer no longer installed") << 0 << 5 << "";
    }
    void parametersShowTheSession()
    {
        QFETCH(int, printFormat);
        QFETCH(int, printerIndex);
        QFETCH(QString, printer);
        UsersShop u;
        InstalledPrinters::install([] { return QStringList{"Termica", "Laser"}; });
        SessionState::current().PrintFormat = printFormat;
        SessionState::current().TicketPrinterIndex = printerIndex;
        auto window = u.open(2);
        QCOMPARE(window->windowTitle(), QStringLiteral("Parametros de Configuración"));
        QVERIFY(Drive::control<QCheckBox>(*window, "CBFacturar")->isChecked());
        QCOMPARE(Drive::control<QComboBox>(*window, "CBImpresora")->currentText(), printer);
        QCOMPARE(Drive::control<QRadioButton>(*window, "RBCarta")->isChecked(), printFormat == 1);
        QCOMPARE(Drive::visible(*window, "CBImpresora"), printFormat == 0);
        Drive::control<QRadioButton>(*window, "RBTicket")->click();
        QVERIFY(Drive::visible(*window, "CBImpresora"));
        Drive::control<QRadioButton>(*window, "RBCarta")->click();
        QVERIFY(!Drive::visible(*window, "CBImpresora"));
    }

    void parametersSaved_data()
    {
        QTest::addColumn<QStringList>("printers");
        QTest::addColumn<bool>("invoicing");
        QTest::addColumn<bool>("letter");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<int>("index");
        QTest::newRow("ticket on the second printer") << QStringList{"Termica", "Laser"} << true << false << "Laser" << 1;
        QTest::newRow("letter, no invoicing") << QStringList{"Termica", "Laser"} << false << true << "Termica" << 0;
        QTest::newRow("no printer installed") << QStringList{} << true << false << "" << -1;
    }
    void parametersSaved()
    {
        QFETCH(QStringList, printers);
        QFETCH(bool, invoicing);
        QFETCH(bool, letter);
        QFETCH(QString, printer);
        QFETCH(int, index);
        UsersShop u;
        InstalledPrinters::install([printers] { return printers; });
        auto window = u.open(2);
        tick(*window, "CBFacturar", invoicing);
        Drive::control<QRadioButton>(*window, letter ? "RBCarta" : "RBTicket")->click();
        if (!printer.isEmpty())
            Drive::choose(*window, "CBImpresora", printer);
        Drive::click(*window, "SBActualizarF");
        QCOMPARE(u.shop.messages.questions.value(0), qMakePair(QStringLiteral("Parametros de Sistema"),
                                                               QStringLiteral("Esta seguro Actualizar los parametros?...")));
        QCOMPARE(u.shop.messages.infos, QStringList{"Parametros Actualizado Correctamente"});
        const SqlRows row =
            u.shop.db().query(QStringLiteral("SELECT Facturar, ImprimirTC, Parametro1 FROM Codigos WHERE IdC=1"));
        QCOMPARE(row.integer(0), invoicing ? 1 : 0);
        QCOMPARE(row.integer(1), letter ? 1 : 0);
        QCOMPARE(row.integer(2), index);
        const SessionState& s = SessionState::current();
        QCOMPARE(s.InvoicingEnabled, invoicing ? 1 : 0);
        QCOMPARE(s.PrintFormat, letter ? 1 : 0);
        QCOMPARE(s.TicketPrinterIndex, index);
    }

    // The ticket printer as a thermal printer driven directly: shown from the session, stored with
    // its code page and drawer setting, or refused without an address.
    void directPrinterSaved_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<bool>("drawer");
        QTest::addColumn<bool>("stored");
        QTest::newRow("network printer, PC858, no drawer") << " 192.168.1.50:9100 "
                                                           << "PC858" << false << true;
        QTest::newRow("device file, PC850, drawer") << "/dev/usb/lp0"
                                                    << "PC850" << true << true;
        QTest::newRow("no address") << "  "
                                    << "PC850" << true << false;
    }
    void directPrinterSaved()
    {
        QFETCH(QString, address);
        QFETCH(QString, codePage);
        QFETCH(bool, drawer);
        QFETCH(bool, stored);
        UsersShop u;
        InstalledPrinters::install([] { return QStringList{"Termica"}; });
        auto window = u.open(2);
        QCOMPARE(Drive::control<QComboBox>(*window, "CBTipoImpresora")->currentIndex(), 0);
        QVERIFY(!Drive::visible(*window, "EImpresoraDirecta"));
        QVERIFY(Drive::control<QCheckBox>(*window, "CBCajon")->isChecked());  // on by default
        Drive::control<QComboBox>(*window, "CBTipoImpresora")->setCurrentIndex(1);
        QVERIFY(Drive::visible(*window, "EImpresoraDirecta"));
        QVERIFY(!Drive::visible(*window, "CBImpresora"));
        Drive::type(*window, "EImpresoraDirecta", address);
        Drive::choose(*window, "CBPaginaCodigos", codePage);
        tick(*window, "CBCajon", drawer);
        if (qEnvironmentVariableIsSet("CVI_SAMPLE_DIR") && stored && drawer)
            QVERIFY(window->grab().save(
                QDir(qEnvironmentVariable("CVI_SAMPLE_DIR")).filePath("parametros-impresora-directa.png")));
        Drive::click(*window, "SBActualizarF");

        const SqlRows row =
            u.shop.db().query(QStringLiteral("SELECT ImpresoraDirecta, PaginaCodigos, AbrirCajon FROM Codigos WHERE IdC=1"));
        const TicketPrinterSettings& session = TicketPrinterSettings::current();
        if (!stored) {
            QVERIFY(u.shop.messages.questions.isEmpty());
            QVERIFY(u.shop.messages.infos.value(0).contains("/dev/usb/lp0"));
            QCOMPARE(row.text(0), QString());
            QVERIFY(!session.isDirect());
            return;
        }
        QCOMPARE(u.shop.messages.infos, QStringList{"Parametros Actualizado Correctamente"});
        QCOMPARE(row.text(0), address.trimmed());
        QCOMPARE(row.integer(1), codePage == "PC858" ? 858 : 850);
        QCOMPARE(row.integer(2), drawer ? 1 : 0);
        QCOMPARE(session.directPrinter, address.trimmed());
        QCOMPARE(session.codePage, codePage == "PC858" ? 858 : 850);
        QCOMPARE(session.cashDrawer, drawer);

        // Opened again, the window shows what was stored; back to the installed printer clears it.
        auto again = u.open(2);
        QCOMPARE(Drive::control<QComboBox>(*again, "CBTipoImpresora")->currentIndex(), 1);
        QCOMPARE(Drive::text(*again, "EImpresoraDirecta"), address.trimmed());
        Drive::control<QComboBox>(*again, "CBTipoImpresora")->setCurrentIndex(0);
        Drive::click(*again, "SBActualizarF");
        QVERIFY(!TicketPrinterSettings::current().isDirect());
        QCOMPARE(u.shop.db().query(QStringLiteral("SELECT ImpresoraDirecta FROM Codigos")).text(0), QString());
    }

    void parametersKeptOnNoOrFailure_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("answered no") << false;
        QTest::newRow("the write fails") << true;
    }
    void parametersKeptOnNoOrFailure()
    {
        QFETCH(bool, answer);
        UsersShop u;
        if (answer)
            u.shop.db().execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Codigos "
                                               "BEGIN SELECT RAISE(ABORT, 'base de datos bloqueada'); END"));
        auto window = u.open(2);
        tick(*window, "CBFacturar", false);
        u.shop.messages.answerNext(answer);
        Drive::click(*window, "SBActualizarF");
        QCOMPARE(u.shop.messages.errors, answer ? QStringList{"base de datos bloqueada"} : QStringList());
        QVERIFY(u.shop.messages.infos.isEmpty());
        QCOMPARE(u.count(QStringLiteral("SELECT Facturar FROM Codigos WHERE IdC=1")), 1);
        QCOMPARE(SessionState::current().InvoicingEnabled, 1);
    }

    void backupFolderShownAndChosen_data()
    {
        QTest::addColumn<QString>("chosen");  // inside the shop's folder; "" cancels
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("a writable folder") << "usb" << false << "usb"
                                           << "Las copias de seguridad se guardaran en:";
        QTest::newRow("a read-only folder") << "usb" << true << ""
                                            << "No se pueden guardar las copias en esa carpeta: no se puede escribir";
        QTest::newRow("a folder that vanished") << "ya-no-existe" << false << ""
                                                << "no existe";
        QTest::newRow("cancelled") << "" << false << ""
                                   << "";
    }
    void backupFolderShownAndChosen()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, readOnly);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        UsersShop u;
        const QString usb = u.shop.folder() + QStringLiteral("usb");
        QVERIFY(QDir().mkpath(usb));
        if (readOnly)
            QVERIFY(QFile::setPermissions(usb, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup));
        auto window = u.open(2);
        Drive::control<QTabWidget>(*window, "PCParametros")->setCurrentIndex(1);
        const QString defaultFolder = QDir::toNativeSeparators(u.shop.folder() + QStringLiteral("backups"));
        QCOMPARE(Drive::text(*window, "ECarpetaC"), defaultFolder);

        if (!chosen.isEmpty())
            u.shop.files.paths << u.shop.folder() + chosen;
        Drive::click(*window, "SBCarpetaC");
        QCOMPARE(u.shop.messages.errors, QStringList());
        QCOMPARE(u.shop.files.requests, QStringList{defaultFolder});
        const QString storedPath = stored.isEmpty() ? QString() : u.shop.folder() + stored;
        QCOMPARE(u.shop.db().query(QStringLiteral("SELECT CarpetaCopias FROM Codigos")).text(0), storedPath);
        QCOMPARE(Drive::text(*window, "ECarpetaC"),
                 storedPath.isEmpty() ? defaultFolder : QDir::toNativeSeparators(storedPath));
        QCOMPARE(u.shop.messages.infos.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(u.shop.messages.infos.value(0).contains(message), qPrintable(u.shop.messages.infos.value(0)));
        QFile::setPermissions(usb, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void backupFolderBackToTheDefault()
    {
        UsersShop u;
        u.shop.db().execute(QStringLiteral("UPDATE Codigos SET CarpetaCopias=?"), {u.shop.folder()});
        auto window = u.open(2);
        Drive::control<QTabWidget>(*window, "PCParametros")->setCurrentIndex(1);
        QCOMPARE(Drive::text(*window, "ECarpetaC"), QDir::toNativeSeparators(u.shop.folder()));
        Drive::click(*window, "SBCarpetaP");
        QCOMPARE(u.shop.messages.errors, QStringList());
        QCOMPARE(u.shop.db().query(QStringLiteral("SELECT CarpetaCopias FROM Codigos")).text(0), QString());
        QCOMPARE(Drive::text(*window, "ECarpetaC"), QDir::toNativeSeparators(u.shop.folder() + QStringLiteral("backups")));
    }

    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SNAPSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to write the pictures of the users window");
        UsersShop u;
        InstalledPrinters::install([] { return QStringList{"EPSON TM-T20", "HP LaserJet"}; });
        for (int mode : {1, 2}) {
            auto window = u.open(mode);
            QVERIFY(window->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/usuarios-%1.png").arg(mode)));
            if (mode == 1) {
                Drive::control<QTabWidget>(*window, "PCUsuarios")->setCurrentIndex(1);
                QVERIFY(window->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/usuarios-1-niveles.png")));
            } else {
                Drive::control<QTabWidget>(*window, "PCParametros")->setCurrentIndex(1);
                QVERIFY(window->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/usuarios-2-base.png")));
            }
        }
    }
};

QTEST_MAIN(TstUUsuarios)
#include "tst_uusuarios.moc"
