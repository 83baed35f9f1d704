#pragma once
// The program's unattended roads, for checks of an installation and for the
// tests that start the program itself: each is switched on by an environment
// variable naming a folder, and takes the windows' own roads as a person would.
//
// KORVA_CAPTURA may name a folder: once the main window is up the program then
// opens the chooser of pending declarations as "&Actualizar" does, writes
// pictures of both windows (MDIFrm.png, FrmContAbrir.png) and the chooser's rows
// (FrmContAbrir.txt: number, name and period of each row, separated by "|") into
// that folder, closes the chooser with "&Salir" and ends with the main window's
// "&Salir".
//
// With KORVA_CAPTURA_DECLARACION set as well, the chooser's first declaration is
// opened with "&Actualizar" before the chooser closes: the telephone 4567890 and
// today's date are typed on its first tab, each of its six tabs is pictured in
// turn (Frm942-0.png to Frm942-5.png), the counter and total of each debt tab are
// written (Frm942.txt: tab, counter and total, separated by "|") and "&Salir"
// closes it, answering No when it asks whether to store the changed form.
//
// KORVA_RECORRIDO may name a folder holding a debt file generated today
// ("0942" + RUC + entity code + ".zip"): the program then walks the main road as
// a person would. It imports the file for its declarant and entity; opens
// the declaration from the chooser with "&Actualizar"; types the telephone
// 4567890 and today's date; accepts every debt of tabs 1 and 2 ("Acoger todas");
// validates the payment mode left empty, picturing the viewer of its findings
// (FrmConsist.png); types on tab 4 the payment form 0 and 6 instalments,
// picturing the tab (Frm942-modalidad.png); validates again, stores with
// "&Grabar" and closes with "&Salir". It then opens the declaration again,
// writes the entity's boxes as they show (Recorrido-casillas.txt: box and text,
// separated by "|") and closes it, the chooser and the main window. Every
// message box is answered with its default button, its text a line of
// Recorrido.txt.
//
// KORVA_IMPRIME_TRIBUTOS may name a folder in the same way: the program then
// opens the code lookup list of taxes as "Tributos" does, prints it with
// "&Imprimir" (answering each message box with its default button and writing
// its text as a line of Mensajes.txt in that folder), closes the list with
// "&Salir" and ends with the main window's "&Salir".
//
// KORVA_IMPRIME_DECLARACION may name a folder in the same way: the program then
// opens the print dialog as "&Imprimir" of "&Declaraciones" does, prints the
// declaration page of the list's first declaration with "&Imprimir" (answering
// each message box as above), closes the dialog with "&Salir" and ends with the
// main window's "&Salir".
//
// KORVA_IMPORTA_E_IMPRIME may name a folder that holds a debt file
// ("0942" + RUC + entity code + ".zip"): the program then imports it as
// "Impor&tar Estado de Adeudos" does (the file's declarant and entity chosen,
// "&Aceptar", then "&Cancelar"), opens the print dialog as "&Imprimir" of
// "&Declaraciones" does, prints the list's first declaration with its annexes
// ("Declaración y anexos", every annex box ticked, "&Imprimir"), closes the
// dialog with "&Salir" and ends with the main window's "&Salir". Every message
// box on the way is answered as above, its text a line of Mensajes.txt in that
// folder.
//
// On every road, once a message box on the way has reported an error (its
// critical icon: an import refused, a report neither printed nor saved), the
// road ends the program with exit status 1 where it would choose the main
// window's "&Salir", so that a check of an installation tells it failed.
//
// Each step of a road waits for the window it works in to be up for a person
// (loaded, shown, the active one, with no box above it and the program back in
// its message loop), looking every 50 ms. KORVA_ESPERA may give the seconds it
// waits for each window (a minute without it). A window that has not come by
// then, a folder without a debt file for KORVA_RECORRIDO or
// KORVA_IMPORTA_E_IMPRIME, or a chooser without a declaration for
// KORVA_CAPTURA_DECLARACION ends the road: the program says why on standard
// error (which window it waited for and what stood in front instead: "El
// recorrido desatendido esperó la ventana Frm942 durante 60 segundos y no se
// mostró. En primer plano estaba el mensaje "..."") and ends with exit code 1,
// whatever windows and boxes are open. No step is passed over. A whole road
// lasts at most ten such waits: a box or a window no step foresaw ends it too
// ("El recorrido desatendido no terminó en 600 segundos.", and what stood in
// front).

namespace korva {

// Starts each road whose variable is set; its first step waits for the main
// window.
void ProgramaRecorridosDesatendidos();

}  // namespace korva
