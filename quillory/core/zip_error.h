#pragma once
#include <QString>
#include <zip.h>

namespace ql {

// libzip's own text for an error code, as its callers put it in their messages.
inline QString zip_error_text(int code) {
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

}  // namespace ql
