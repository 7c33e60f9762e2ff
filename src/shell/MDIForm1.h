#pragma once
// The main window: the MDI area that holds the page forms, the button panel
// on the right and the menu bar. Its load event runs the start-up.

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;
class QToolButton;
class QWidget;

namespace scheda {

class MDIForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit MDIForm1(QWidget *parent = nullptr);
    ~MDIForm1() override;

    // Start-up; false when it failed (the failure has been reported and the
    // exit procedure run).
    bool MDIForm_Load();
    // Shows the window as the program opens it after the start-up: at the
    // size it was made with, or maximized on a screen too small for a page.
    void mostraInApertura();

    // Click handlers of the button panel and the menus. They may throw; the
    // buttons and menu items run them through eseguiComando.
    void CMDNuovo_Click();
    void CMDElimina_Click();
    void CMDPrec_Click();
    void CMDSucc_Click();
    void CMDPrimo_Click();
    void CMDUltimo_Click();
    void CMDTrova_Click();
    void Command1_Click();
    void CMDPag1_Click();
    void CMDPag2_Click();
    void CMDPag3_Click();
    void CMDPag4_Click();
    void CMDPag5_Click();
    void CMDPag6_Click();
    void CMDSalva_Click();
    void CMDRipristina_Click();
    void CMDEsci_Click();
    void MNUEsciItem_Click();
    void StampaScheda_Click();
    void EsposrtaScheda_Click();
    void Sommario_Click();
    void Versione_Click();
    void Pag_Click(int n);

    QMdiArea *areaPagine() const { return area_; }
    QWidget *Picture1 = nullptr; // the button panel

    QToolButton *CMDNuovo = nullptr, *CMDElimina = nullptr, *CMDPrec = nullptr, *CMDSucc = nullptr,
                *CMDPrimo = nullptr, *CMDUltimo = nullptr, *CMDTrova = nullptr, *Command1 = nullptr,
                *CMDSalva = nullptr, *CMDRipristina = nullptr, *CMDEsci = nullptr;
    QToolButton *CMDPag[7] = {}; // 1..6

    QMenu *MNUFile = nullptr, *Stampa = nullptr, *Esporta = nullptr, *Aiuto = nullptr,
          *Video = nullptr;
    QAction *MNUEsciItem = nullptr, *StampaScheda = nullptr, *EsposrtaScheda = nullptr,
            *Sommario = nullptr, *Versione = nullptr;
    QAction *Pag[7] = {}; // 1..6

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void creaPannello(); // the panel from its table of buttons and pictures
    void creaMenu();

    QMdiArea *area_ = nullptr;
    bool massimizzata_ = false;
};

// The main window of the run, for the shell's procedures.
inline MDIForm1 *FinestraPrincipale = nullptr;

} // namespace scheda
