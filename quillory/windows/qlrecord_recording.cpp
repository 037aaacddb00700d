#include "qlrecord.h"

#include "core/prompter.h"
#include "core/qlmod.h"

namespace ql {

namespace {

void not_yet(Qlmod& m) { m.prompter->message(QStringLiteral("Recording is not available in this version yet.")); }

}  // namespace

void QlRecord::on_point8_single() { not_yet(m); }
void QlRecord::on_point8_many() { not_yet(m); }
void QlRecord::on_one_single() { not_yet(m); }
void QlRecord::on_one_many() { not_yet(m); }
void QlRecord::on_one2_single() { not_yet(m); }
void QlRecord::on_one2_many() { not_yet(m); }
void QlRecord::on_one4_single() { not_yet(m); }
void QlRecord::on_one4_many() { not_yet(m); }
void QlRecord::on_one8_single() { not_yet(m); }
void QlRecord::on_one8_many() { not_yet(m); }
void QlRecord::on_two_sec_single() { not_yet(m); }
void QlRecord::on_two_sec_many() { not_yet(m); }
void QlRecord::on_two4_single() { not_yet(m); }
void QlRecord::on_two4_many() { not_yet(m); }
void QlRecord::on_two7_single() { not_yet(m); }
void QlRecord::on_two7_many() { not_yet(m); }
void QlRecord::on_three_sec_single() { not_yet(m); }
void QlRecord::on_three_sec_many() { not_yet(m); }
void QlRecord::on_three5_single() { not_yet(m); }
void QlRecord::on_three5_many() { not_yet(m); }
void QlRecord::on_four_single() { not_yet(m); }
void QlRecord::on_four_many() { not_yet(m); }
void QlRecord::on_four5_single() { not_yet(m); }
void QlRecord::on_four5_many() { not_yet(m); }
void QlRecord::on_five_single() { not_yet(m); }
void QlRecord::on_five_many() { not_yet(m); }
void QlRecord::on_unlimited() { not_yet(m); }
void QlRecord::on_stop_auto_record() { m.stop_playing = QStringLiteral("yes"); }
void QlRecord::on_record_speed() { not_yet(m); }
void QlRecord::on_zip() { not_yet(m); }
void QlRecord::misc_rec() { record_words(); }
void QlRecord::record_words() { not_yet(m); }

}  // namespace ql
