#pragma once
// The help window: the navigation pane with its three tabs (contents, index,
// search) beside the topic shown, and the buttons to hide the pane, go back,
// go forward and return to the first page. One window serves the whole run;
// closing it only hides it.

#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <cstdint>

class QAction;
class QLineEdit;
class QListView;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTreeView;

namespace hh {

class FileGuida;

// The topic pane: pages, style sheets and pictures come from the help file.
class PaginaGuida : public QTextBrowser
{
    Q_OBJECT
public:
    PaginaGuida(FileGuida *guida, QWidget *parent);
    QVariant loadResource(int type, const QUrl &name) override;

private:
    FileGuida *guida_;
};

class FinestraGuida : public QMainWindow
{
    Q_OBJECT
public:
    FinestraGuida(FileGuida *guida, QWidget *parent);

    FileGuida *guida() const { return guida_; }
    std::int32_t handle() const { return handle_; }

    // The tabs of the navigation pane.
    void mostraSommario();
    void mostraIndice(const QString &parola);
    void mostraRicerca(const QString &testo, bool esegui);
    // Shows a topic; returns false when the help file has no such topic (a
    // notice takes its place).
    bool mostraArgomento(const QUrl &url);
    // The first page, when no topic is shown yet.
    void mostraInizioSeVuota();
    // Brings the window to the front, shown.
    void porta();

    QUrl argomentoMostrato() const;
    QString nomeFinestra() const { return nomeFinestra_; }
    void setNomeFinestra(const QString &nome) { nomeFinestra_ = nome; }

    // The parts, for the program's own checks.
    QTabWidget *schede() const { return schede_; }
    QTreeView *sommario() const { return sommario_; }
    QListView *indice() const { return indice_; }
    QLineEdit *parolaIndice() const { return parolaIndice_; }
    QLineEdit *testoRicerca() const { return testoRicerca_; }
    QListWidget *risultati() const { return risultati_; }
    PaginaGuida *pagina() const { return pagina_; }

    // Index of each tab.
    enum Scheda { Sommario = 0, Indice = 1, Cerca = 2 };

signals:
    // A search has listed its topics (count), or found none (0).
    void ricercaTerminata(int trovati);

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void creaSommario();
    void creaIndice();
    void creaRicerca();
    void sincronizzaSommario();
    void filtraIndice();
    void apriVoceIndice(const QModelIndex &voce);
    void cerca();
    void apriRisultato(QListWidgetItem *voce);
    void aggiornaTitolo();

    FileGuida *guida_;
    std::int32_t handle_;
    QString nomeFinestra_;
    QTabWidget *schede_ = nullptr;
    QTreeView *sommario_ = nullptr;
    QListView *indice_ = nullptr;
    QLineEdit *parolaIndice_ = nullptr;
    QLineEdit *testoRicerca_ = nullptr;
    QListWidget *risultati_ = nullptr;
    PaginaGuida *pagina_ = nullptr;
    QAction *nascondi_ = nullptr;
    QWidget *pannello_ = nullptr;
    bool ricercaInAttesa_ = false;
    bool vuota_ = true;
};

// A new handle for a window of the help layer (never 0).
std::int32_t nuovoHandle();

} // namespace hh
