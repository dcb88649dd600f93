// The declaration of every record export, named as the export it stands behind.
#pragma once

#include "format/dates.hpp"
#include "session/frame.hpp"
#include "validate/validate.hpp"

namespace qv {

#define QV_DECLARE_SESSION(name)
#define QV_DECLARE_VERSION(name)
#define QV_DECLARE_NOTICE(name)
#define QV_DECLARE_FILTER(name)
#define QV_DECLARE_PAD(name)
#define QV_DECLARE_FORMAT(name)
#define QV_DECLARE_DATE_TEST(name)
#define QV_DECLARE_DATE_VALUE(name)
#define QV_DECLARE_DATE_CONVERT(name)
#define QV_DECLARE_VALIDATOR(name)
#define QV_DECLARE_VALIDATOR_PAIR(name)
#define QV_DECLARE_VALIDATOR_COUNTED(name)
#define QV_DECLARE_RECORD(name) extern const Layout name;
#define QV_EXPORT(name, kind, n) QV_DECLARE_##kind(name)
#include "exports/exports.def"
#undef QV_EXPORT

} // namespace qv
