#include "data/SessionLoader.h"

#include "data/PasswordHash.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/TicketPrinterSettings.h"
#include "data/UDataModule.h"

namespace SessionLoader {

SqlRows FindActiveUser(const QString& login, const QString& password)
{
    const SqlRows user =
        TDataModule1::instance().query(QStringLiteral("SELECT * FROM Usuario WHERE Login=? AND Estado=1"), {login});
    if (user.isEmpty() || !PasswordHash::Matches(password, user.text(QStringLiteral("ClaveHash"))))
        return {};
    return user;
}

void LoadUser(const SqlRows& user)
{
    SessionState& s = SessionState::current();
    s.UserName = CutToWidth(user.text(2), 40);
    s.SalesRights = CutToWidth(user.text(5), 20);
    s.PurchaseRights = CutToWidth(user.text(6), 20);
    s.ToolRights = CutToWidth(user.text(7), 20);
    s.CashRights = CutToWidth(user.text(8), 20);
    s.StoreRights = CutToWidth(user.text(9), 20);
}

void LoadCashSession() { SessionState::current().CashOpen = FindOpenCashSession() ? 1 : 0; }

void LoadParameters()
{
    const SqlRows rows =
        TDataModule1::instance().query(QStringLiteral("SELECT Facturar, ImprimirTC, Parametro1 FROM Codigos WHERE IdC=1"));
    SessionState& s = SessionState::current();
    s.InvoicingEnabled = int(rows.integer(0));
    s.PrintFormat = int(rows.integer(1));
    s.TicketPrinterIndex = int(rows.integer(2));
    const SqlRows printer = TDataModule1::instance().query(
        QStringLiteral("SELECT ImpresoraDirecta, PaginaCodigos, AbrirCajon FROM Codigos WHERE IdC=1"));
    TicketPrinterSettings& direct = TicketPrinterSettings::current();
    direct.directPrinter = printer.text(0).trimmed();
    direct.codePage = printer.integer(1) == 858 ? 858 : 850;
    direct.cashDrawer = printer.isEmpty() || printer.integer(2) != 0;
}

void LoadTaxpayer()
{
    const SqlRows rows = TDataModule1::instance().query(QStringLiteral("SELECT * FROM DatosC"));
    SessionState& s = SessionState::current();
    s.TaxpayerNit = CutToWidth(rows.text(0), 15);
    s.TaxpayerName = CutToWidth(rows.text(1), 50);
    s.BranchNumber = int(rows.integer(2));
    s.HeadOfficePhone = CutToWidth(rows.text(3), 10);
    s.HeadOfficeAddress = CutToWidth(rows.text(4), 40);
    s.HeadOfficeCity = CutToWidth(rows.text(5), 20);
    s.EconomicActivity = CutToWidth(rows.text(6), 50);
    s.OwnerName = CutToWidth(rows.text(8), 50);
}

void LoadActiveDosage()
{
    const SqlRows rows = TDataModule1::instance().query(
        QStringLiteral("SELECT * FROM Dosificaciones WHERE Estado=1 ORDER BY IdDosificacion DESC"));
    SessionState& s = SessionState::current();
    s.DosageId = int(rows.integer(0));
    s.AuthorizationNumber = CutToWidth(rows.text(2), 15);
    s.DosageKey = rows.text(3);
    s.InvoiceDeadline = rows.date(4);
    const QString legend = rows.text(5);
    s.InvoiceLegend = rows.isEmpty() ? QString() : InvoiceLegendText(legend);
    s.InvoiceLegendLines = InvoiceLegendLines(legend);
    s.BranchPhone = CutToWidth(rows.text(6), 10);
    s.BranchAddress = CutToWidth(rows.text(7), 40);
    s.BranchCity = CutToWidth(rows.text(8), 20);
}

}
