#pragma once
// The language runtime the programs are written against.
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"
#include "platform/vb/random.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"
