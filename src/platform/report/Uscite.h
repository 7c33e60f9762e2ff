#pragma once
// Where a printed page goes: the default printer, one job per page, or a
// PDF file of one or more pages. Both draw through the one renderer.
// Failures are typed errors: 482 for the printer, 75 for the file.

#include "platform/db/Error.h"
#include "platform/disco/Descrittore.h"
#include "platform/report/Istanza.h"

#include <QBuffer>
#include <QPainter>
#include <QString>
#include <memory>
#include <sys/stat.h>

class QPdfWriter;

namespace report {

inline constexpr long ErroreStampante = 482;
inline constexpr long ErroreFile = ado::err::PathFileAccess;

// A PDF file being written: created at once under a name that was free,
// its pages made in memory one by one, and written whole by chiudi(). The
// file is new: never opened over a name that exists, nor through a link.
// Until chiudi() succeeds it is not complete, and it is removed when the
// object goes, only while its name still stands for it. A failure of the
// system names the file and gives its reason (motivoErrore).
class FilePdf
{
public:
    // Creates "<nome>.pdf" in `cartella`, or "<nome>_2.pdf", "<nome>_3.pdf"…
    // when the name is taken (by a file, a folder or a link, dangling or
    // not); error 75 when it cannot.
    FilePdf(const QString &cartella, const QString &nome, const QString &titolo = QString());
    ~FilePdf();
    FilePdf(const FilePdf &) = delete;
    FilePdf &operator=(const FilePdf &) = delete;

    void aggiungi(const IstanzaRapporto &pagina);
    // Completes the file (error 75 when it cannot be written whole).
    void chiudi();

    const QString &percorso() const { return percorso_; }
    int pagine() const { return pagine_; }

private:
    [[noreturn]] void fallisci(const QString &motivo);

    QString percorso_;
    QString titolo_;
    disco::Descrittore fd_;
    struct stat creato_ = {}; // the file made, to know it again by its name
    QBuffer pagineFatte_;     // the file's bytes until chiudi() writes them
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pagine_ = 0;
    bool chiuso_ = false;
};

// The default printer, used without a dialog.
class Stampante
{
public:
    virtual ~Stampante() = default;
    // A default printer is there to print on.
    virtual bool disponibile() = 0;
    // One job of one page (error 482 when it fails).
    virtual void stampa(const IstanzaRapporto &pagina) = 0;
};

// The one in use: the system's default printer unless a test installed another.
Stampante &stampante();
void impostaStampante(Stampante *s); // nullptr restores the system's

} // namespace report
