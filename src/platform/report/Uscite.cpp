#include "platform/report/Uscite.h"

#include "platform/db/Error.h"
#include "platform/report/Disegno.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace report {

namespace {

QPageSize formato(const Rapporto &r)
{
    return QPageSize(QSizeF(r.larghezzaFoglio / 20.0, r.altezzaFoglio / 20.0), QPageSize::Point,
                     QString(), QPageSize::FuzzyMatch);
}

} // namespace

// --- PDF ---------------------------------------------------------------------

FilePdf::FilePdf(const QString &percorso, const QString &titolo)
    : percorso_(percorso)
    , titolo_(titolo)
    , file_(percorso)
{
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ado::Error(ErroreFile, QStringLiteral("Impossibile creare il file di stampa %1: %2")
                                         .arg(percorso_, file_.errorString()));
}

FilePdf::~FilePdf()
{
    if (chiuso_)
        return;
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    file_.close();
    file_.remove();
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
        writer_ = std::make_unique<QPdfWriter>(&file_);
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
    if (file_.error() != QFileDevice::NoError)
        fallisci(file_.errorString());
}

void FilePdf::chiudi()
{
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    if (!file_.flush() || file_.error() != QFileDevice::NoError)
        fallisci(file_.errorString());
    file_.close();
    if (file_.error() != QFileDevice::NoError)
        fallisci(file_.errorString());
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
