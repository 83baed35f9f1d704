#pragma once
// The services of the Windows system the programs are written against.
#include "platform/win/file_digest.h"
#include "platform/win/file_lock.h"
#include "platform/win/instance_lock.h"
#include "platform/win/memory_window_list.h"
#include "platform/win/profile.h"
#include "platform/win/regional_settings.h"
#include "platform/win/shared_file.h"
#include "platform/win/window_list.h"
#include "platform/win/windows_folder.h"
#include "platform/win/x11_window_list.h"
