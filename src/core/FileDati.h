#pragma once
// The program's database files: names, passwords and the SQL texts of the
// reference recordsets. Paths are the program folder joined with the name.

#include <QString>
#include <QStringList>

namespace scheda {

inline const QString FileVarnex = QStringLiteral("Varnex.mdb");
inline const QString PasswordVarnex = QStringLiteral("tervolk");
inline const QString FileIdentifica = QStringLiteral("Identifica.mdb");
inline const QString PasswordIdentifica = QStringLiteral("morvanduletix");
inline const QString FileEsporta = QStringLiteral("Esporta.mdb");
inline const QString PasswordEsporta = QStringLiteral("quenbraxol");
inline const QString FileHelpChm = QStringLiteral("VarnexHelp.chm");

inline const QString ProviderJet = QStringLiteral("Microsoft.Jet.OLEDB.4.0");

// The five provinces of the region whose municipalities the local unit may lie in.
inline const QStringList ProvinceRegione = {QStringLiteral("AN"), QStringLiteral("AP"),
                                            QStringLiteral("FM"), QStringLiteral("MC"),
                                            QStringLiteral("PU")};

inline const QString SqlComune = QStringLiteral("SELECT * FROM comune ORDER BY descrizione ");
inline const QString SqlAteco = QStringLiteral("SELECT * FROM ateco_2002 ORDER BY codice_istat ");
QString sqlComuneRegione();
// Page 1's sheet list: key and name of every sheet, in the order of RsDati.
inline const QString SqlElencoSchede = QStringLiteral(
    "SELECT id_scheda, denominazione FROM Dati ORDER BY id_scheda");

// The tables of the reference file, as the data tool makes them.
inline const QString SqlCreaComune = QStringLiteral(
    "CREATE TABLE comune (descrizione TEXT COLLATE ITALIANO, id_provincia TEXT, cap TEXT)");
inline const QString SqlCreaAteco = QStringLiteral(
    "CREATE TABLE ateco_2002 (codice_istat TEXT, descrizione TEXT)");

// Program folder joined with a file name.
QString percorsoProgramma(const QString &cartella, const QString &nomeFile);

} // namespace scheda
