#pragma once
// The model's named constants: colours, message boxes, pointers, styles.
#include <cstdint>

namespace forms {

// Colours are the runtime's OLE colours: 0x00BBGGRR, or a system colour with the
// high bit set.
using Color = std::uint32_t;
constexpr Color RGB(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
inline constexpr Color vbBlack = 0x000000;
inline constexpr Color vbWhite = 0xFFFFFF;
inline constexpr Color vbButtonFace = 0x8000000F;
inline constexpr Color vbWindowBackground = 0x80000005;
inline constexpr Color vbWindowText = 0x80000008;
inline constexpr Color vbButtonText = 0x80000012;
inline constexpr Color vbGrayText = 0x80000011;

// MsgBox: buttons, icon and default button add up to the style.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;
inline constexpr int vbApplicationModal = 0;
inline constexpr int vbSystemModal = 4096;
// The parts of a style.
inline constexpr int vbButtonsMask = 0x0F;
inline constexpr int vbIconMask = 0xF0;
inline constexpr int vbDefaultMask = 0xF00;
// MsgBox answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Form.Show.
inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

// QueryUnload's unload mode.
inline constexpr int vbFormControlMenu = 0;
inline constexpr int vbFormCode = 1;
inline constexpr int vbAppWindows = 2;
inline constexpr int vbAppTaskManager = 3;
inline constexpr int vbFormMDIForm = 4;

// WindowState.
inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

// MousePointer.
inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbCrosshair = 2;
inline constexpr int vbIbeam = 3;
inline constexpr int vbSizePointer = 5;
inline constexpr int vbSizeNESW = 6;
inline constexpr int vbSizeNS = 7;
inline constexpr int vbSizeNWSE = 8;
inline constexpr int vbSizeWE = 9;
inline constexpr int vbUpArrow = 10;
inline constexpr int vbHourglass = 11;
inline constexpr int vbNoDrop = 12;
inline constexpr int vbArrowHourglass = 13;
inline constexpr int vbArrowQuestion = 14;
inline constexpr int vbSizeAll = 15;

// BorderStyle: forms take all of them; frames, labels and picture boxes have
// none or a fixed single line.
inline constexpr int vbBSNone = 0;
inline constexpr int vbFixedSingle = 1;
inline constexpr int vbSizable = 2;
inline constexpr int vbFixedDouble = 3;
inline constexpr int vbFixedToolWindow = 4;
inline constexpr int vbSizableToolWindow = 5;

// Label.BackStyle.
inline constexpr int vbTransparent = 0;
inline constexpr int vbOpaque = 1;

// TextBox.ScrollBars: vbBoth is vbHorizontal and vbVertical together.
inline constexpr int vbSBNone = 0;
inline constexpr int vbHorizontal = 1;
inline constexpr int vbVertical = 2;
inline constexpr int vbBoth = 3;

// CheckBox.Value.
inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

// Alignment of text boxes, labels and grid columns.
inline constexpr int vbLeftJustify = 0;
inline constexpr int vbRightJustify = 1;
inline constexpr int vbCenter = 2;

// ComboBox.Style.
inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboSimple = 1;
inline constexpr int vbComboDropdownList = 2;

// Keyboard: KeyDown codes, the Shift argument's bits.
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyShift = 16;
inline constexpr int vbKeyControl = 17;
inline constexpr int vbKeyMenu = 18;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyInsert = 45;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Mouse buttons.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;

// Help commands of the common dialog.
inline constexpr int cdlHelpContext = 1;
inline constexpr int cdlHelpQuit = 2;
inline constexpr int cdlHelpContents = 3;
inline constexpr int cdlHelpIndex = 3;
inline constexpr int cdlHelpKey = 0x101;

// Toolbar button styles.
inline constexpr int tbrDefault = 0;
inline constexpr int tbrCheck = 1;
inline constexpr int tbrButtonGroup = 2;
inline constexpr int tbrSeparator = 3;
inline constexpr int tbrPlaceholder = 4;

// Twips per pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace forms
