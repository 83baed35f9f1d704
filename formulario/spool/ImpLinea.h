#pragma once
// The spool writers: page commands written to a report's spool file.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/dao/database.h"
#include "platform/vb/variant.h"

// The writers through which every report reaches its spool file: a text file of
// page commands, one per line ("pPos|x|y|text|bold|size|page|", "pCuadro|...|",
// "pNuevaHoja" and the header tags "<!name!>value<!/name!>", whose words
// EtiquetasSpool.h spells), which the preview draws page by page or sends to
// the printer. They write to file giArchivo while gsSalida is "ARCHIVO" and
// handle no errors: a failed write reaches the caller. A text's "|" is written
// as "¦" and its line breaks as blanks, so that no text can split or end the
// command that carries it.
namespace korva {

// A text as one field of a command line: the format has no escape for its field
// separator and a line break would end the command, so "|" becomes "¦" and every
// line break a blank. The writers pass each text through it.
std::string TextoDeCampo(const std::string& sTexto);

// Where a report's free-text lines go and how far they have come: the open
// file's number, the page (from 1; its lines carry the page - 1), the lines
// written on it, the running height in twips, how many lines a page holds and
// whether header tags are written on a page after the first.
struct HojaLineas {
  int& iArchivo;
  int& iHoja;
  int& iLinea;
  std::int16_t& iPosY;
  int iLineasPorHoja;
  bool bEtiquetasEnCadaHoja;
};

// One free-text line at x 10 in 8-point regular type, 175 twips below the last;
// or a header tag (a text beginning "<!"), written as it stands on the first
// page and on later ones only when `hoja` says so. Every line written counts;
// when a page is full the writer breaks it with "pNuevaHoja" and moves on to
// the top of the next page. The send summary writes its own file through it.
void EscribeLinea(const HojaLineas& hoja, const std::string& sTexto);

// EscribeLinea on the report of the printing globals: file giArchivo, page
// giNroHoja, lines giLinea, height giPosY; a page holds 85 lines, 83 once
// giAnchoReporte is 83 or more; a header tag is written on a later page only
// while gsNroHojas holds an orientation tag.
void EscribeLinea(std::string sTexto);

// One text exactly where the caller puts it, bold when `bColo` is the runtime's
// True (-1; any other number writes "False"), of size `iTama` on page `iHoja`.
// "pNuevaHoja" writes a page break; a header tag is written while giNroHoja is 1
// or less. Never counts lines nor breaks pages by itself.
void EscribePos(int X, int Y, const std::string& sTexto, int bColo, const vb::Variant& iTama,
                int iHoja);
void EscribePos(int X, int Y, const std::string& sTexto, bool bColo, const vb::Variant& iTama,
                int iHoja);

// One header tag line, written whatever the page and never counted as a line of
// EscribeLinea's page: the page starters of the listings write the tags of each
// page they start through it, so that however many pages a report has their
// tags never break a page of their own; the print driver writes its page-count
// trailer through it.
void EscribeEtiqueta(const std::string& sEtiqueta);

// The outline of a rectangle on page `iHoja`.
void EscribeCuadro(int x1, int y1, int x2, int y2, int iHoja);

// Registers a new report in the host table SPOOL and answers its file name, one
// more than the highest number any report was given ("00000012.PRN"), with the
// next sequence of its report code. Database errors reach the caller.
std::string RegistraSpool(const std::string& sCodRep, const std::string& sDocId, int iTipDoc);

// What a report's row of SPOOL holds besides its two numbers.
struct FilaSpool {
  std::string sCodRep;
  std::string sDocId;
  int iTipDoc = 0;
  std::string sUsuario;
};

// The registration itself, on any open database: the highest sequence of the
// report code and the highest file number of every report are read and the row
// with the next of each is added in one transaction that takes the write lock
// when it begins, so that korva and the send summary, which number their files
// in the same table, never take one number twice. Each statement is built in
// `sSQL` before it runs. Answers the file name; on an error nothing is added and
// the error reaches the caller.
std::string AnotaSpool(dao::Database& db, const FilaSpool& fila, std::string& sSQL);

// Adds the step to the counter in place, in 16-bit arithmetic (overflow 6 beyond
// -32768..32767), and answers the new value as text.
std::string IncrementaContador(std::int16_t& iContador, int iIncremento);

// Shows the spool file `sArchivo` of the report folder in the preview window
// ("Vprevia") or sends it to the printer (any other mode), and answers whether
// the report was shown or reached the printer (or the PDF that stands for it),
// so that no caller takes a report for printed when it was not. The preview
// and printer renderer installs itself here; until it does, MuestraReporte
// raises error 482.
using VisorReporte = std::function<bool(const std::string& sArchivo, const std::string& sModo)>;
void FijaVisorReporte(VisorReporte visor);
bool MuestraReporte(const std::string& sArchivo, const std::string& sModo);

}  // namespace korva
