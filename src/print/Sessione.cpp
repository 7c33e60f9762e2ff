#include "print/Sessione.h"

#include "core/Archivio.h"
#include "core/Globali.h"
#include "platform/db/Error.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/disco/Ambiente.h"
#include "print/SchedaStampa.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace stampa {

namespace {

using scheda::CartellaProgramma;

// The file's name before ".pdf": the sheet and the moment (FilePdf adds
// _2, _3... when the name is taken).
QString conMomento(const QString &nome)
{
    return nome + QLatin1Char('_')
           + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
}

// A name in plain letters for a file name: each letter without its accents
// (À → A, È → E), the few that do not decompose spelled out (Æ → AE, ß → ss).
QString lettereSemplici(const QString &testo)
{
    static const std::pair<char16_t, const char *> fuse[] = {
        {u'Æ', "AE"}, {u'æ', "ae"}, {u'Œ', "OE"}, {u'œ', "oe"}, {u'Ø', "O"}, {u'ø', "o"},
        {u'ß', "ss"}, {u'Ł', "L"},  {u'ł', "l"},  {u'Đ', "D"},  {u'đ', "d"},
    };
    QString semplice;
    for (const QChar c : testo.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const auto f = std::find_if(std::begin(fuse), std::end(fuse),
                                    [c](const auto &p) { return p.first == c.unicode(); });
        if (f != std::end(fuse))
            semplice += QLatin1String(f->second);
        else
            semplice += c;
    }
    return semplice;
}

} // namespace

QString cartellaStampe()
{
    QString cartella = disco::cartellaDellaVariabile(disco::VariabileStampe);
    if (cartella.isEmpty())
        cartella = QDir(CartellaProgramma).filePath(QStringLiteral("Stampe"));
    if (!QDir().mkpath(cartella))
        throw ado::Error(report::ErroreFile,
                         QStringLiteral("Impossibile creare la cartella delle stampe %1.")
                             .arg(QDir::toNativeSeparators(cartella)));
    return QDir(cartella).absolutePath();
}

QString nomeStampa(const SchedaStampa &s, int pagina)
{
    static const QRegularExpression altro(QStringLiteral("[^A-Za-z0-9]+"));
    QString denominazione = lettereSemplici(s["denominazione"].toText().left(40));
    denominazione.replace(altro, QStringLiteral("-"));
    denominazione.remove(QRegularExpression(QStringLiteral("^-+|-+$")));
    QString nome = QStringLiteral("Scheda_") + scheda::IdRecord.toText();
    if (!denominazione.isEmpty())
        nome += QLatin1Char('_') + denominazione;
    if (pagina > 0)
        nome += QStringLiteral("_pagina%1").arg(pagina);
    return nome;
}

SessioneStampa::SessioneStampa(const QString &nome)
    : nome_(nome)
{}

QString SessioneStampa::percorso() const
{
    return pdf_ ? pdf_->percorso() : QString();
}

void SessioneStampa::stampa(const report::IstanzaRapporto &pagina)
{
    // Printer or file, decided once for the whole command.
    if (!suStampante_)
        suStampante_ = report::stampante().disponibile();
    if (*suStampante_) {
        report::stampante().stampa(pagina);
        return;
    }
    if (!pdf_)
        pdf_ = std::make_unique<report::FilePdf>(cartellaStampe(), conMomento(nome_), nome_);
    pdf_->aggiungi(pagina);
}

void SessioneStampa::concludi()
{
    if (!pdf_)
        return;
    pdf_->chiudi();
    const QString percorso = QDir::toNativeSeparators(pdf_->percorso());
    pdf_.reset();
    dlg::MsgBox(QStringLiteral(
                    "Non c'è una stampante predefinita: la stampa è stata salvata nel file\n%1")
                    .arg(percorso),
                dlg::vbInformation, QStringLiteral("Stampa"));
}

} // namespace stampa
