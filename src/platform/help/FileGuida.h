#pragma once
// One compiled help file opened through Qt Help: its collection (made in the
// user's own folder of CartellaGuida.h, one per version of the file), its
// topics, contents, index and full-text search, the context numbers and the
// pop-up texts.

#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>
#include <cstdint>

class QHelpEngine;

namespace hh {

class FileGuida : public QObject
{
    Q_OBJECT
public:
    // The help file at that path, opened once per run; nullptr when the file
    // is missing or is no help file.
    static FileGuida *apriGuida(const QString &percorso);
    // Every help file opened closes, and a private temporary folder of
    // their collections goes; the next apriGuida opens afresh.
    static void chiudiTutte();

    QHelpEngine *motore() const { return motore_; }
    QString percorso() const { return percorso_; }

    // A file inside the help file ("pagina1.html", "esportazione.html#x").
    QUrl url(const QString &interno) const;
    bool contiene(const QUrl &url) const;
    QByteArray dati(const QUrl &url) const;
    // The first page: the first topic of the contents, index.html before the
    // contents are read.
    QUrl paginaIniziale() const;

    // The topic of a context number, through mappa.h and alias.txt; empty when none.
    QString argomentoContesto(std::int32_t numero) const;
    // The text of a pop-up topic of a text file inside the help file.
    QString testoPopup(const QString &fileTesto, std::int32_t numero) const;

    // The contents and the index are read in the background after opening.
    bool sommarioPronto() const;
    bool indicePronto() const;
    // The search index is built in the background after opening.
    bool ricercaPronta() const { return ricercaPronta_; }

signals:
    void sommarioCreato();
    void indiceCreato();
    void ricercaPreparata();

private:
    FileGuida(const QString &percorso, QObject *parent);
    bool prepara();
    void leggiContesti();

    QString percorso_;
    QString spazio_;   // namespace
    QString cartella_; // virtual folder
    QHelpEngine *motore_ = nullptr;
    bool ricercaPronta_ = false;
    bool contestiLetti_ = false;
    QHash<std::int32_t, QString> contesti_;
    QHash<QString, std::int32_t> nomi_;
};

} // namespace hh
