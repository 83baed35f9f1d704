#pragma once
// The state of the report being written, shared by the spool writers.
#include <array>
#include <cstdint>
#include <string>

#include "platform/vb/variant.h"

// The state of the report being written, shared by the spool writers and the
// windows that print: each report's driver sets it before its first line and the
// writers move it on as they write.
namespace korva {

// File number of the open spool file.
extern int giArchivo;
// Full path of the spool file being written; the code lookup window then keeps
// its bare name in it for the preview.
extern std::string gsArchivoReporte;
// The writers' shared line buffer: listings build texts in it and the page
// starters leave an orientation tag in it before writing their header tags.
extern std::string gsNroHojas;
// Lines written on the current page by EscribeLinea.
extern int giLinea;
// Page counter of EscribeLinea (from 1; its lines carry giNroHoja - 1).
extern int giNroHoja;
// Page counter of the callers that place every line themselves.
extern int giHoja;
// Running vertical position of EscribeLinea's free-text lines, in twips.
extern std::int16_t giPosY;
// Report-width setting: 104 once the print dialog has printed, 0 before; from 83
// on a free-text page holds 83 lines instead of 85.
extern int giAnchoReporte;
// Output mode: "ARCHIVO" writes the spool file, the only mode reports use.
extern std::string gsSalida;
// Font of the direct-to-printer mode (name, size, bold); spool files ignore it.
extern vb::Variant gvLetra;
extern vb::Variant gvTamano;
extern vb::Variant gvNegrita;

// The page range of a preview or print, pages counted from 1, honoured only
// while gbRangoPag is set; no window sets it.
extern int giPagDesde;
extern int giPagHasta;
extern bool gbRangoPag;

// The declaration being printed: the value of each box of the form by its
// number, 1 to 899 ("" for a box the declaration has no row for; element 0 is
// not used), and the description of its payment form ("Fraccionamiento",
// "Aplazamiento", "Aplaz. con fracc." or "").
extern std::array<std::string, 900> gsCasillas;
extern std::string gsDesFormaPago;
// Copies of the declaration the print driver writes into one spool file.
extern int giCopias;
// The page the last page starter of an annex or guarantee report started.
extern int giHojaAnexo;
// Font size of the listings' texts, in points.
extern std::uint8_t gnTamanoListado;

// Back to the values the program starts with; for tests.
void ReiniciaGlobalesImpresion();

}  // namespace korva
