#include "platform/report/Istanza.h"

#include <stdexcept>

namespace report {

namespace {

QString chiave(QStringView sezione, QStringView controllo)
{
    return sezione.toString().toLower() + QLatin1Char('/') + controllo.toString().toLower();
}

} // namespace

IstanzaRapporto::IstanzaRapporto(const Rapporto &rapporto)
    : rapporto_(&rapporto)
{
    const auto sezioni = rapporto.sezioni;
    didascalie_.resize(sezioni.size());
    for (std::size_t s = 0; s < sezioni.size(); ++s) {
        const auto controlli = sezioni[s].controlli;
        didascalie_[s].reserve(controlli.size());
        for (std::size_t c = 0; c < controlli.size(); ++c) {
            didascalie_[s].push_back({QString::fromUtf8(controlli[c].testo)});
            indice_.insert(chiave(QString::fromLatin1(sezioni[s].nome),
                                  QString::fromLatin1(controlli[c].nome)),
                           {int(s), int(c)});
        }
    }
}

std::pair<int, int> IstanzaRapporto::posizione(QStringView sezione, QStringView controllo) const
{
    const auto it = indice_.constFind(chiave(sezione, controllo));
    if (it == indice_.cend())
        throw std::logic_error(
            QStringLiteral("%1: nessun controllo '%2' nella sezione '%3'")
                .arg(QString::fromLatin1(rapporto_->nome), controllo.toString(), sezione.toString())
                .toStdString());
    return *it;
}

void IstanzaRapporto::imposta(QStringView sezione, QStringView controllo, const QString &testo,
                              Contenuto contenuto)
{
    const auto [s, c] = posizione(sezione, controllo);
    didascalie_[s][c] = {testo, contenuto};
}

const QString &IstanzaRapporto::didascalia(QStringView sezione, QStringView controllo) const
{
    const auto [s, c] = posizione(sezione, controllo);
    return didascalie_[s][c].testo;
}

} // namespace report
