#pragma once
#include <functional>
#include <string>
#include <vector>

// The text summary: the declaration's taxpayer, form, period and entity, then the
// entity's payment mode, as plain Windows-1252 lines ending in CR LF.
namespace tarvel {

// Writes the whole text summary into a new file of the temporary folder named by
// eight random digits (gsArchivoTexto) and closes it.
void ImprimeResumenTexto();

// One line; an empty or blank line is written as a single blank. After 80 lines
// the page number moves on and the character 15 begins the next line.
void EscribeLineaTexto(const std::string& sLinea);

// Appends to the line buffer a blank and `dValor` formatted with `sPatron`,
// right-aligned in `iAncho` characters (a longer text whole).
void AgregaMonto(double dValor, const std::string& sPatron, int iAncho);

// The trimmed text with one `sRelleno` in front for each character by which it
// is shorter than `iAncho`; at most 255 of them (error 6 beyond).
std::string CompletaTextoIzquierda(const std::string& sTexto, int iAncho, const std::string& sRelleno);

// The five identification lines: document, name, form, period and entity.
std::vector<std::string> LineasEncabezado();

// The ten lines of the payment mode, each made when it is asked for, so that a
// summary without a valid entity stops at its first box line.
using LineaResumen = std::function<std::string()>;
const std::vector<LineaResumen>& CuerpoResumen();

}  // namespace tarvel
