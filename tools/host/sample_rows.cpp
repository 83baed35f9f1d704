#include "tools/host/sample_rows.h"

#include "platform/vb/sql.h"

namespace host {
namespace {

struct ParamRow {
  std::string numero;
  std::string argumento;
  std::string funcion;
  std::string correl = "000";
};

// Left-aligned in exactly `width` characters: Funcion keeps its values at fixed
// character positions, so each value is cut or padded to its slot.
std::string Slot(const std::string& text, std::size_t width) {
  std::string slot = text.substr(0, width);
  return slot + std::string(width - slot.size(), ' ');
}

// One flag per entity 1, 2, 3, 5, 8, in that order: "1" when `entities` names it.
std::string EntityFlags(const std::string& entities) {
  std::string flags;
  for (char entity : std::string("12358")) flags += entities.find(entity) != std::string::npos ? '1' : '0';
  return flags;
}

// Parameter 725, one tax by its 6-character stored code: the description in
// characters 1-40, the sworn-declaration flag at 59, the entities that may owe it
// at 61-65, the main tax list flag at 68, the no-associated-tax flag at 69, and
// the first and last period dates at 71-80 and 82-91.
ParamRow Tax(const std::string& code, const std::string& description, char swornDeclaration,
             const std::string& entities, char mainList, char noAssociatedTax,
             const std::string& firstDate = "", const std::string& lastDate = "") {
  std::string funcion = Slot(description, 40) + std::string(18, ' ') + swornDeclaration + "0" +
                        EntityFlags(entities) + "00" + mainList + noAssociatedTax + " " +
                        Slot(firstDate, 10) + " " + Slot(lastDate, 10);
  return {"725", code, funcion};
}

// Parameter 044, the declarants' document types by tip_doc_d: a long name in
// characters 1-30 and the short one that the choosers show in 31-42.
ParamRow DeclarantDocument(const std::string& type, const std::string& name,
                           const std::string& shortName) {
  return {"044", type, Slot(name, 30) + Slot(shortName, 12)};
}

// Parameter 726, the types of document behind a debt: a 6-character code whose
// first two characters name the entity family ("00" entities 1, 5 and 8, "10"
// entity 2, "11" entity 3); the short name in characters 1-20 and the full name
// in 22-48. The debt grids read the full name from character 22 on, the list of
// document types characters 1 to 48: a full name of at most 27 characters is
// whole in both.
ParamRow DebtDocument(const std::string& code, const std::string& shortName,
                      const std::string& name) {
  return {"726", code, Slot(shortName, 20) + " " + Slot(name, 27)};
}

void AddDeclarantDocuments(std::vector<ParamRow>& rows) {
  rows.push_back(DeclarantDocument("01", "DOC. NACIONAL DE IDENTIDAD", "D.N.I."));
  rows.push_back(DeclarantDocument("04", "CARNET DE EXTRANJERIA", "CARNET EXT."));
  rows.push_back(DeclarantDocument("06", "REG. UNICO DE CONTRIBUYENTES", "R.U.C."));
  rows.push_back(DeclarantDocument("07", "PASAPORTE", "PASAPORTE"));
}

// The tax unit in force from each date; the module's installer writes the same rows.
void AddTaxUnits(std::vector<ParamRow>& rows) {
  rows.push_back({"404", "20060101", "00003400.00", "013"});
  for (const char* row : {"20100101 00003600.00", "20110101 00003600.00", "20120101 00003650.00",
                          "20130101 00003700.00", "20140101 00003800.00", "20150101 00003850.00",
                          "20160101 00003950.00"}) {
    std::string text = row;
    rows.push_back({"404", text.substr(0, 8), text.substr(9)});
  }
}

// Verification states of a reported debt: 724 says why a debt in that state cannot
// be included, 897 what its situation is.
void AddDebtStates(std::vector<ParamRow>& rows) {
  rows.push_back({"724", "01", "DEUDA CANCELADA A LA FECHA DE DESCARGA"});
  rows.push_back({"724", "02", "DEUDA INCLUIDA EN UN FRACCIONAMIENTO VIGENTE"});
  rows.push_back({"724", "03", "DEUDA EN PROCEDIMIENTO CONCURSAL"});
  rows.push_back({"724", "06", "DEUDA NO EXIGIBLE A LA FECHA DE DESCARGA"});
  rows.push_back({"724", "16", "DEUDA ACOGIDA A OTRO REGIMEN DE FRACCIONAMIENTO"});
  rows.push_back({"724", "18", "DECLARACION PRESENTADA FUERA DEL PLAZO DE DESCARGA"});
  rows.push_back({"897", "00", "DEUDA EXIGIBLE"});
  rows.push_back({"897", "01", "DEUDA CANCELADA"});
  rows.push_back({"897", "02", "DEUDA CON FRACCIONAMIENTO VIGENTE"});
  rows.push_back({"897", "03", "DEUDA EN PROCEDIMIENTO CONCURSAL"});
  rows.push_back({"897", "06", "DEUDA NO EXIGIBLE"});
  rows.push_back({"897", "07", "DEUDA EN COBRANZA COACTIVA"});
  rows.push_back({"897", "08", "DEUDA CON RECLAMACION RESUELTA"});
  rows.push_back({"897", "16", "DEUDA EN OTRO FRACCIONAMIENTO"});
  rows.push_back({"897", "18", "DECLARACION FUERA DE PLAZO"});
}

// The instalment codes of the three earlier regimes, one per entity that has
// them, each with the first period the regime accepted.
void AddRegimeQuotas(std::vector<ParamRow>& rows) {
  struct Regime {
    const char* name;
    const char* first;
    const char* codes[4];  // TESORO, ESSALUD, ONP, FONAVI
  };
  const Regime regimes[] = {
      {"REFT", "01/01/1998", {"080206", "052209", "053208", "050506"}},
      {"SEAP", "01/01/2002", {"080207", "052302", "053209", "050507"}},
      {"RESIT", "01/01/1999", {"080208", "052303", "053300", "050508"}},
  };
  const char* entities[] = {"1", "2", "3", "5"};
  const char* names[] = {"TESORO", "ESSALUD", "ONP", "FONAVI"};
  for (const Regime& regime : regimes)
    for (int i = 0; i < 4; ++i)
      rows.push_back(Tax(regime.codes[i],
                         std::string(names[i]) + " - CUOTAS " + regime.name, '0', entities[i], '1',
                         '1', regime.first));
}

// The taxes of every family the module's rules name, each owed to the entities
// that collect it: the week-based 2011-2041, the annual and month-13 income
// taxes 3011-3081, the payments on account 3311/3411/3611/3033/3036, the 40xx
// and 41xx taxes with their first period, the instalment codes of the earlier
// regimes (REFT 8026/5229/5328/5056, SEAP 8027/5232/5329/5057, RESIT
// 8028/5233/5330/5058) with theirs, the fines (6xxx, which take an associated
// tax), 7011 and 7151 of FONCOMUN, 8131 and 9021.
void AddTaxes(std::vector<ParamRow>& rows) {
  rows.push_back(Tax("010101", "IGV - CUENTA PROPIA", '1', "1", '1', '1'));
  for (char week : std::string("1234"))
    rows.push_back(Tax(std::string("020") + week + "01", std::string("RUS - CATEGORIA ") + week, '1',
                       "1", '1', '1'));
  rows.push_back(Tax("030101", "RENTA ANUAL - PERSONA NATURAL", '1', "1", '1', '1'));
  rows.push_back(Tax("030201", "RENTA ANUAL - SEGUNDA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030202", "RENTA - RETENCIONES SEGUNDA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030301", "RENTA ANUAL - TERCERA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030303", "RENTA - PAGO A CUENTA TERCERA CATEG.", '1', "1", '1', '1'));
  rows.push_back(Tax("030304", "RENTA - REGIMEN ESPECIAL", '1', "1", '1', '1'));
  rows.push_back(Tax("030306", "RENTA - RETENCIONES NO DOMICILIADOS", '1', "1", '1', '1'));
  rows.push_back(Tax("030307", "RENTA - REGULARIZACION", '1', "1", '1', '1'));
  rows.push_back(Tax("030401", "RENTA ANUAL - CUARTA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030601", "RENTA ANUAL - OTRAS RENTAS", '1', "1", '1', '1'));
  rows.push_back(Tax("030701", "RENTA PERS. NATURAL - PRIMERA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030702", "RENTA PERS. NATURAL - SEGUNDA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030703", "RENTA PERS. NATURAL - CUARTA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030704", "RENTA PERS. NATURAL - QUINTA CATEGORIA", '1', "1", '1', '1'));
  rows.push_back(Tax("030801", "RENTA - REGIMEN ESPECIAL", '1', "1", '1', '1', "", "31/12/2005"));
  rows.push_back(Tax("033101", "RENTA - PAGO A CUENTA PRIMERA CATEG.", '1', "1", '1', '1'));
  rows.push_back(Tax("034101", "RENTA - PAGO A CUENTA CUARTA CATEG.", '1', "1", '1', '1'));
  rows.push_back(Tax("036101", "RENTA - PAGO A CUENTA OTRAS RENTAS", '1', "1", '1', '1'));
  rows.push_back(Tax("040101", "IMPUESTO SELECTIVO AL CONSUMO", '1', "1", '1', '1', "01/01/1994"));
  rows.push_back(Tax("040201", "ISC - JUEGOS DE AZAR Y APUESTAS", '1', "1", '1', '1', "01/07/2004"));
  rows.push_back(Tax("041101", "IMPUESTO A LAS EMBARCACIONES DE RECREO", '1', "1", '1', '1',
                     "01/01/2005"));
  rows.push_back(Tax("050501", "CONTRIBUCION AL FONAVI", '1', "5", '1', '1'));
  rows.push_back(Tax("052100", "CONTRIBUCION A ESSALUD", '1', "2", '1', '1'));
  rows.push_back(Tax("053100", "CONTRIBUCION AL SIST. NACIONAL PENSIONES", '1', "3", '1', '1'));
  AddRegimeQuotas(rows);
  rows.push_back(Tax("060401", "MULTAS - TESORO", '0', "1", '1', '0'));
  rows.push_back(Tax("061101", "MULTAS - ESSALUD", '0', "2", '1', '0'));
  rows.push_back(Tax("061201", "MULTAS - ONP", '0', "3", '1', '0'));
  rows.push_back(Tax("061301", "MULTAS - FONAVI", '0', "5", '1', '1'));
  rows.push_back(Tax("070101", "IMPUESTO PREDIAL", '1', "8", '1', '1'));
  rows.push_back(Tax("071501", "IMPUESTO DE PROMOCION MUNICIPAL", '1', "8", '1', '1'));
  rows.push_back(Tax("080201", "IMPUESTO EXTRAORDINARIO DE SOLIDARIDAD", '1', "1", '0', '1', "",
                     "31/12/2004"));
  rows.push_back(Tax("081301", "IMPUESTO TEMPORAL A LOS ACTIVOS NETOS", '1', "1", '1', '1'));
  rows.push_back(Tax("090201", "ANTICIPO ADICIONAL DEL IMPUESTO A LA RENTA", '1', "1", '1', '1'));
}

void AddDebtDocuments(std::vector<ParamRow>& rows) {
  for (const char* family : {"00", "10", "11"}) {
    std::string f = family;
    rows.push_back(DebtDocument(f + "1000", "RES. DETERMINACION", "RESOLUCION DE DETERMINACION"));
    rows.push_back(DebtDocument(f + "1004", "CUOTA REFT", "CUOTA DE FRACC. REFT"));
    rows.push_back(DebtDocument(f + "1005", "CUOTA SEAP", "CUOTA DE FRACC. SEAP"));
    rows.push_back(DebtDocument(f + "1007", "CUOTA RESIT", "CUOTA DE FRACC. RESIT"));
    rows.push_back(DebtDocument(f + "2000", "RESOLUCION DE MULTA", "RESOLUCION DE MULTA"));
    rows.push_back(DebtDocument(f + "2001", "COMUNICACION INFRAC.", "COMUNICACION DE INFRACCION"));
    rows.push_back(DebtDocument(f + "3000", "ORDEN DE PAGO", "ORDEN DE PAGO"));
  }
}

// Parameter 727: the creditor entities by their code, the name in characters 1-20.
void AddEntities(std::vector<ParamRow>& rows) {
  rows.push_back({"727", "1", Slot("TESORO", 20)});
  rows.push_back({"727", "2", Slot("ESSALUD", 20)});
  rows.push_back({"727", "3", Slot("ONP", 20)});
  rows.push_back({"727", "5", Slot("FONAVI", 20)});
  rows.push_back({"727", "8", Slot("FONCOMUN", 20)});
}

// Parameter 728: the forms of a sworn declaration that a tax may come from; the
// argument begins with the form code, Funcion holds the stored tax code in 1-6 and
// the first year of the form in 8-11. Parameter 729: associated taxes left out for
// an entity, by display code, one flag per entity 1, 2, 3, 5, 8.
void AddFormRules(std::vector<ParamRow>& rows) {
  rows.push_back({"728", "011901", "010101 1999"});
  rows.push_back({"728", "062101", "010101 2003"});
  rows.push_back({"728", "066001", "030701 2005"});
  rows.push_back({"728", "066002", "030702 2005"});
  rows.push_back({"728", "066003", "030703 2005"});
  rows.push_back({"728", "066004", "030704 2005"});
  rows.push_back({"728", "066005", "030801 2005"});
  rows.push_back({"728", "070101", "030101 2004"});
  rows.push_back({"728", "069101", "030301 2004"});
  rows.push_back({"729", "1011", EntityFlags("1")});
  rows.push_back({"729", "8026", EntityFlags("1")});
  rows.push_back({"729", "5229", EntityFlags("2")});
  rows.push_back({"729", "5328", EntityFlags("3")});
  rows.push_back({"729", "5056", EntityFlags("5")});
}

// 856: the module's version record (version, date, and the box that stores the
// date). 885: the month of the latest consumer price index, yyyymm. 889 and 890:
// types of challenge and motives of disagreement, by their code.
void AddModuleParameters(std::vector<ParamRow>& rows) {
  rows.push_back({"856", "0942", "1.5 05/01/2016     790"});
  rows.push_back({"885", "0942", "201512"});
  rows.push_back({"889", "1", "RECLAMACION"});
  rows.push_back({"889", "2", "APELACION"});
  rows.push_back({"889", "3", "DEMANDA CONTENCIOSO ADMINIST."});
  rows.push_back({"889", "4", "QUEJA"});
  const char* motives[] = {"Pagos no considerados", "Modificación de datos",
                           "Error material (Art. 108 C.T.)", "Desistimiento aceptado",
                           "DDJJ rectificatoria", "Lit. g) Art.3° de RS 199-2004",
                           "No corresponde fec. actualiz.", "Otros"};
  for (int i = 0; i < 8; ++i) rows.push_back({"890", std::to_string(i + 1), motives[i]});
}

std::vector<ParamRow> SampleParamRows() {
  std::vector<ParamRow> rows;
  AddDeclarantDocuments(rows);
  AddTaxUnits(rows);
  AddDebtStates(rows);
  AddTaxes(rows);
  AddDebtDocuments(rows);
  AddEntities(rows);
  AddFormRules(rows);
  AddModuleParameters(rows);
  return rows;
}

std::string ValuesList(const std::vector<std::string>& values) {
  std::string list;
  for (const std::string& value : values) list += (list.empty() ? "" : ", ") + vb::SqlText(value);
  return "(" + list + ")";
}

std::string InsertParam(const ParamRow& row) {
  return "INSERT INTO PARAM (Numero, Argumento, Funcion, Correl_Param) VALUES " +
         ValuesList({row.numero, row.argumento, row.funcion, row.correl});
}

// Three RUCs with valid check digits: two of the suite's user, one of another.
std::vector<std::string> TaxpayerStatements(const std::string& user) {
  struct Taxpayer {
    const char* ruc;
    const char* name;
    std::string owner;
  };
  const Taxpayer taxpayers[] = {
      {"20456712348", "COMERCIAL ANDINA DEL SUR S.A.C.", user},
      {"20603189753", "TRANSPORTES RIO CLARO E.I.R.L.", user},
      {"10425187363", "HUAMAN QUISPE ROSA ELENA", kOtherUser},
  };
  std::vector<std::string> statements;
  for (const Taxpayer& t : taxpayers)
    statements.push_back("INSERT INTO CONT (tip_doc_d, doc_id_d, nombre, usuario) VALUES (6, " +
                         vb::SqlText(t.ruc) + ", " + vb::SqlText(t.name) + ", " +
                         vb::SqlText(t.owner) + ")");
  return statements;
}

}  // namespace

std::vector<std::string> SampleRowStatements(const std::string& user, const std::string& userType) {
  std::vector<std::string> statements = {"INSERT INTO CLAVES (Usuario, Tipo) VALUES " +
                                         ValuesList({user, userType})};
  for (const std::string& statement : TaxpayerStatements(user)) statements.push_back(statement);
  for (const ParamRow& row : SampleParamRows()) statements.push_back(InsertParam(row));
  return statements;
}

}  // namespace host
