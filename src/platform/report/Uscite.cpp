#include "platform/report/Uscite.h"

#include "platform/db/Error.h"
#include "platform/disco/MotivoErrore.h"
#include "platform/report/Disegno.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cerrno>
#include <fcntl.h>

namespace report {

namespace {

// How many names a PDF tries, "<nome>.pdf" to "<nome>_<NomiPdf>.pdf".
constexpr int NomiPdf = 1000;

QPageSize formato(const Rapporto &r)
{
    return QPageSize(QSizeF(r.larghezzaFoglio / 20.0, r.altezzaFoglio / 20.0), QPageSize::Point,
                     QString(), QPageSize::FuzzyMatch);
}

} // namespace

// --- PDF ---------------------------------------------------------------------

FilePdf::FilePdf(const QString &cartella, const QString &nome, const QString &titolo)
    : titolo_(titolo)
{
    const QDir dove(cartella);
    for (int n = 1; n <= NomiPdf && !fd_.valido(); ++n) {
        percorso_ = dove.filePath(n == 1 ? nome + QStringLiteral(".pdf")
                                         : QStringLiteral("%1_%2.pdf").arg(nome).arg(n));
        fd_.sostituisci(::open(QFile::encodeName(percorso_).constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!fd_.valido() && errno != EEXIST)
            break;
    }
    if (!fd_.valido() || ::fstat(fd_.fd(), &creato_) != 0) {
        const int errore = errno;
        if (fd_.valido())
            ::unlink(QFile::encodeName(percorso_).constData());
        throw ado::Error(ErroreFile, QStringLiteral("Impossibile creare il file di stampa %1: %2")
                                         .arg(percorso_, disco::motivoErrore(errore)));
    }
    pagineFatte_.open(QIODevice::WriteOnly);
}

FilePdf::~FilePdf()
{
    if (chiuso_)
        return;
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    // Only the file made here: a name that another has taken since stays.
    const QByteArray nome = QFile::encodeName(percorso_);
    if (disco::stessoFile(creato_, nome.constData()))
        ::unlink(nome.constData());
    fd_.chiudi();
}

void FilePdf::fallisci(const QString &motivo)
{
    throw ado::Error(ErroreFile, QStringLiteral("Impossibile scrivere il file di stampa %1: %2")
                                     .arg(percorso_, motivo));
}

void FilePdf::aggiungi(const IstanzaRapporto &pagina)
{
    const Rapporto &r = pagina.rapporto();
    const QPageLayout impaginazione(formato(r), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    if (!writer_) {
        writer_ = std::make_unique<QPdfWriter>(&pagineFatte_);
        writer_->setResolution(1440); // one unit of the painter is one twip
        writer_->setCreator(QStringLiteral("Varnex"));
        writer_->setTitle(titolo_);
        writer_->setPageLayout(impaginazione);
        if (!painter_.begin(writer_.get()))
            fallisci(QStringLiteral("il file non si apre per la scrittura"));
    } else {
        writer_->setPageLayout(impaginazione);
        if (!writer_->newPage())
            fallisci(QStringLiteral("una nuova pagina non si aggiunge"));
    }
    disegnaPagina(painter_, pagina);
    ++pagine_;
}

void FilePdf::chiudi()
{
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    // The whole file in one go, each failure told by the system's errno:
    // Qt's text for a write cut short by a full disk is "Unknown error".
    const QByteArray &dati = pagineFatte_.data();
    if (!disco::scriviTutto(fd_.fd(), dati.constData(), std::size_t(dati.size())))
        fallisci(disco::motivoErrore(errno));
    if (fd_.chiudi() != 0) // some file systems report a lost write only here
        fallisci(disco::motivoErrore(errno));
    chiuso_ = true;
}

// --- The default printer -------------------------------------------------------

namespace {

class StampanteDiSistema : public Stampante
{
public:
    bool disponibile() override { return !QPrinterInfo::defaultPrinter().isNull(); }

    void stampa(const IstanzaRapporto &pagina) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw ado::Error(ErroreStampante, QStringLiteral("Nessuna stampante predefinita."));
        const Rapporto &r = pagina.rapporto();
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setFullPage(true);
        printer.setPageLayout(QPageLayout(formato(r), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        printer.setDocName(QString::fromLatin1(r.nome));
        QPainter p;
        if (!p.begin(&printer))
            throw ado::Error(ErroreStampante,
                             QStringLiteral("La stampante %1 non accetta la stampa.")
                                 .arg(info.printerName()));
        p.scale(printer.resolution() / 1440.0, printer.resolution() / 1440.0);
        disegnaPagina(p, pagina);
        p.end();
        if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
            throw ado::Error(ErroreStampante,
                             QStringLiteral("La stampa sulla stampante %1 non è riuscita.")
                                 .arg(info.printerName()));
    }
};

StampanteDiSistema &diSistema()
{
    static StampanteDiSistema s;
    return s;
}

Stampante *inUso = nullptr;

} // namespace

Stampante &stampante()
{
    return inUso ? *inUso : diSistema();
}

void impostaStampante(Stampante *s)
{
    inUso = s;
}

} // namespace report
