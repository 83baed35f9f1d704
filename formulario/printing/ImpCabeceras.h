#pragma once
// The header blocks of the report pages and the page starters of the listings.
#include <string>

// Every page of a printed declaration opens with a header block: the
// administration's name, the form code, the report's title, the declarant's
// number, name and telephone (box 28) and the copy legend, written as spool
// commands. The page starters (landscape and portrait annex pages, guarantee
// report pages) also start their page: they move the page counter giNroHoja on
// by one, copy it into giHojaAnexo and hand it back, and write the page break
// and the page's orientation tag, or on the file's first page (page 0) its
// font, orientation and colour tags.
namespace korva {

// The declaration page's block on page `iHoja` (the driver passes 0); another
// page is broken first. The page counter is left as it is.
void ImprimeCabeceraFormulario(int iHoja);

// Starts a landscape annex page and writes its block; the margin becomes 140 and
// is part of every x of the block. `sTexto` is not used.
void ImprimeCabeceraHorizontal(int& iHoja, int& iMargen, const std::string& sTexto);

// Starts a portrait annex page and writes its block, `iMargen` added to every x.
// `sTexto` is not used.
void ImprimeCabeceraVertical(int& iHoja, int iMargen, const std::string& sTexto);

// Starts a portrait page of the guarantee report of `sCodigo` ("CF" letter of
// guarantee, any other the mortgage) and writes its block: the title (moved
// right by the margin), today's date, the declarant and the payment mode.
void ImprimeCabeceraGarantia(int& iHoja, int iMargen, const std::string& sCodigo);

// The Spanish name of month 1 to 12 ("Setiembre" for 9); "" for any other number.
std::string NombreMes(int iMes);

}  // namespace korva
