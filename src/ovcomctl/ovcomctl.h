#pragma once

// The host-facing API of OvComCtl: the runtime, forms and objects, variants and failures, and every
// published control and class.

#include "platform/Args.h"
#include "platform/Collection.h"
#include "platform/Color.h"
#include "platform/Event.h"
#include "platform/Failure.h"
#include "platform/Font.h"
#include "platform/MessageBox.h"
#include "platform/Object.h"
#include "platform/Picture.h"
#include "platform/Runtime.h"
#include "platform/TypeRegistry.h"
#include "platform/Variant.h"
#include "wizard/CPage.h"
#include "wizard/CPages.h"
#include "wizard/WizardGlobals.h"
#include "wizard/WizardTypes.h"
