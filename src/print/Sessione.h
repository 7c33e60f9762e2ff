#pragma once
// Where one print command's pages go: the command makes the session and
// hands it to each page it prints. With a default printer, each page is
// a job of its own. Without one, the command's pages make one PDF file, in
// the folder named by VARNEX_STAMPE or else "Stampe" in the program folder,
// named after the sheet and the moment, a new file under a name that was
// free (a file, folder or link of that name is left as it is and the next
// name taken); at the end a message gives its full path. A failure stops
// the command: the pages after it are not printed, the PDF it began is
// removed, and no message says it was printed.

#include "platform/report/Istanza.h"
#include "platform/report/Uscite.h"

#include <QString>
#include <memory>
#include <optional>

namespace stampa {

class SchedaStampa;

class SessioneStampa
{
public:
    // `nome`: what the file is called before its date, e.g. "Scheda_12_COOP".
    explicit SessioneStampa(const QString &nome);
    SessioneStampa(const SessioneStampa &) = delete;
    SessioneStampa &operator=(const SessioneStampa &) = delete;

    void stampa(const report::IstanzaRapporto &pagina);
    // The PDF completed and its path told; nothing for a printer.
    void concludi();

    // The PDF file's path once begun.
    QString percorso() const;

private:
    QString nome_;
    std::optional<bool> suStampante_;
    std::unique_ptr<report::FilePdf> pdf_;
};

// The folder the PDF files go to, made when missing (error 75 when it cannot be).
QString cartellaStampe();
// "Scheda_<key>_<name>" for the whole sheet, with "_pagina<N>" for one page:
// the company name's first 40 characters in plain letters and digits (an
// accented letter without its accent), anything else one "-".
QString nomeStampa(const SchedaStampa &s, int pagina = 0);

} // namespace stampa
