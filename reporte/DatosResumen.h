#pragma once
#include <string>

// What the summaries show, gathered before anything is written: the boxes of the
// declaration, the entity the command line names and the taxpayer's name.
namespace tarvel {

// Fills gsCasillas from DET for the command line's taxpayer, period and entity
// (form "0942"). Boxes 721, 722 and 790 are skipped and 861 to 999 accepted
// without being kept; any other box beyond 1-600 (error 9), or a Null value of a
// box read (error 94), ends the run through its error handler.
void LeeCasillasResumen();

// Sets gsEntidad, giCasillaBase and giCasillaAplaz from the entity code; a code
// other than "1", "2", "3", "5" and "8" leaves them "", 0 and 0.
void ResuelveEntidad();

// The taxpayer's name from CONT (document type 6) into gsRazonSocial; false when
// CONT has no such taxpayer.
bool LeeRazonSocial();

// The value of box `iCasilla`; error 9 outside 1-600, as a summary without a
// valid entity meets at its first box.
const std::string& Casilla(int iCasilla);

// The taxpayer number as the lookups give it to the database: without its
// trailing blanks, since the tables store the number without them.
std::string RucConsulta();

}  // namespace tarvel
