// The layout of the caller's attachment reference, checked field by field.
#pragma once

#include <cstddef>

#include "plv.h"

static_assert(sizeof(PLVMessageId) == 16);
static_assert(sizeof(MailAttachmentRef) == 280);
static_assert(offsetof(MailAttachmentRef, database) == 0);
static_assert(offsetof(MailAttachmentRef, message) == 4);
static_assert(offsetof(MailAttachmentRef, index) == 20);
static_assert(offsetof(MailAttachmentRef, name) == 24);
