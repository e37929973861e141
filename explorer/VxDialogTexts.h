#pragma once

#include "explorer/VxConsts.h"
#include "platform/ui/FileOperationTexts.h"
#include "platform/ui/PropertiesTexts.h"

// The file operation and properties dialogs worded in a component language; lnSysDefault
// keeps the dialogs' own English.
platform::FileOperationTexts VxFileOperationTexts(TLanguage language);
platform::PropertiesTexts VxPropertiesTexts(TLanguage language);
