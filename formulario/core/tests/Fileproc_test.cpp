#include "formulario/core/Fileproc.h"

#include <filesystem>
#include <fstream>

#include "formulario/core/Encripta.h"
#include "formulario/core/tests/entorno_prueba.h"
#include "platform/vb/files.h"

namespace korva::prueba {
namespace {

using forms::MessageBoxCall;

const MessageBoxCall kNombreInvalido{"El nombre de archivo es inválido.",
                                     forms::vbRetryCancel + forms::vbExclamation,
                                     "Error de Archivo"};

class FileprocTest : public ::testing::Test {
 protected:
  void TearDown() override { vb::Close(); }
  forms::TestDriver driver_;
  TempFolder carpeta_;
};

TEST_F(FileprocTest, OpensEachModeWithTheNextFreeNumber) {
  std::ofstream(carpeta_ / "datos.txt", std::ios::binary) << "linea\r\n";
  {
    vb::NumberedFile salida = AbreArchivo(carpeta_ / "nuevo.txt", kModoSalida, 0, 0);
    ASSERT_GT(salida.Number(), 0);
    vb::Print(salida.Number(), "uno");
    vb::NumberedFile entrada = AbreArchivo(carpeta_ / "datos.txt", kModoEntrada, 0, 0);
    ASSERT_GT(entrada.Number(), 0);
    EXPECT_NE(entrada.Number(), salida.Number());
    EXPECT_EQ(vb::LineInput(entrada.Number()), "linea");
    vb::NumberedFile binario = AbreArchivo(carpeta_ / "datos.txt", kModoBinarioLectura, 0, 1);
    EXPECT_EQ(vb::Get(binario.Number(), 5, 1), "linea");
    vb::NumberedFile aleatorio = AbreArchivo(carpeta_ / "registros.dat", kModoAleatorio, 4, 0);
    vb::PutRecord(aleatorio.Number(), 2, "abcd");
    EXPECT_EQ(vb::GetRecord(aleatorio.Number(), 2), "abcd");
  }
  {
    vb::NumberedFile agregar = AbreArchivo(carpeta_ / "nuevo.txt", kModoAgregar, 0, 0);
    vb::Print(agregar.Number(), "dos");
    vb::NumberedFile escritura = AbreArchivo(carpeta_ / "otro.bin", kModoBinarioEscritura, 0, 0);
    vb::Put(escritura.Number(), "xy");
  }
  EXPECT_EQ(ReadBytes(carpeta_ / "nuevo.txt"), "uno\r\ndos\r\n");
  EXPECT_EQ(ReadBytes(carpeta_ / "otro.bin"), "xy");
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(FileprocTest, ModeOutsideTheSixOpensNothing) {
  EXPECT_EQ(AbreArchivo(carpeta_ / "nuevo.txt", 7, 0, 0).Number(), 0);
  EXPECT_EQ(AbreArchivo(carpeta_ / "nuevo.txt", 0, 0, 0).Number(), 0);
  EXPECT_FALSE(std::filesystem::exists(carpeta_ / "nuevo.txt"));
}

TEST_F(FileprocTest, NameWithABlankIsRefusedUntilTheUserCancels) {
  driver_.Expect(kNombreInvalido, forms::vbRetry);
  driver_.Expect(kNombreInvalido, forms::vbCancel);
  EXPECT_EQ(AbreArchivo(carpeta_ / "mi archivo.txt", kModoSalida, 0, 0).Number(), 0);
  EXPECT_FALSE(std::filesystem::exists(carpeta_ / "mi archivo.txt"));
  for (const char* nombre : {"a;b", "a<b", "a=b", "a>b", "a?b", "a[b", "a]b", "a*b"}) {
    driver_.Expect(kNombreInvalido, forms::vbCancel);
    EXPECT_EQ(AbreArchivo(carpeta_ / nombre, kModoSalida, 0, 0).Number(), 0) << nombre;
  }
}

// The name is shown with the platform's folder separator.
TEST_F(FileprocTest, CheckedBinaryReadOfAMissingFileSaysSo) {
  std::string mostrado = carpeta_ / "falta.bin";
  for (const std::string& nombre : {mostrado, carpeta_.Path() + "\\falta.bin"}) {
    driver_.Expect(MessageBoxCall{"No existe archivo: " + mostrado, forms::vbCritical, "ERROR!"});
    EXPECT_EQ(AbreArchivo(nombre, kModoBinarioLectura, 0, 1).Number(), 0) << nombre;
    EXPECT_EQ(vb::FreeFile(), 1);
  }
}

TEST_F(FileprocTest, RefusedFileIsTriedAgainOnRetry) {
  std::string nombre = carpeta_ / "falta.txt";
  MessageBoxCall noEncontrado{"El archivo no se encuentra.",
                              forms::vbRetryCancel + forms::vbExclamation, "Error de Archivo"};
  driver_.Expect(noEncontrado, forms::vbRetry);
  driver_.Expect(noEncontrado, forms::vbCancel);
  EXPECT_EQ(AbreArchivo(nombre, kModoEntrada, 0, 1).Number(), 0);
  driver_.Expect(noEncontrado, forms::vbCancel);
  EXPECT_EQ(AbreArchivo(nombre, kModoBinarioLectura, 0, 0).Number(), 0);
}

TEST_F(FileprocTest, FileErrorDialogKnowsTheRuntimesFileErrors) {
  struct Case {
    int numero;
    const char* texto;
  } cases[] = {
      {52, "El nombre de archivo es inválido."},
      {53, "El archivo no se encuentra."},
      {54, "No es posible abrir el archivo para el tipo de acceso."},
      {55, "El archivo ya está abierto."},
      {57, "El diskette está lleno."},
      {62,
       "Este archivo no tiene un marcador standard de fin-de-archivo,o fué hecho un intento de "
       "leer "
       "después de la marca de fin-de-archivo."},
      {64, "El nombre de archivo es inválido."},
      {68, "El dispositivo no está disponible."},
      {71, "La disketera no está lista."},
      {76, "El path no existe."},
  };
  for (const auto& c : cases) {
    MessageBoxCall caja{c.texto, forms::vbRetryCancel + forms::vbExclamation, "Error de Archivo"};
    driver_.Expect(caja, forms::vbRetry);
    EXPECT_EQ(MensajeErrorArchivo(c.numero), kArchivoReintentar) << c.numero;
    driver_.Expect(caja, forms::vbCancel);
    EXPECT_EQ(MensajeErrorArchivo(c.numero), kArchivoCancelar) << c.numero;
  }
  for (int numero : {75, 70, 61, 5, 3022})
    EXPECT_EQ(MensajeErrorArchivo(numero), kArchivoSinMensaje);
  EXPECT_EQ(driver_.MessageBoxes().size(), 20u);
}

}  // namespace
}  // namespace korva::prueba
