#include "editors/options/DipSwitchPicture.h"

using namespace Qt::StringLiterals;

namespace {
using F = DipOptions::Field;
using P = DipSwitchPicture::Position;

P position(bool on)
{
    return on ? P::On : P::Off;
}
} // namespace

DipSwitchPicture::Switches DipSwitchPicture::compute(const DipOptions &o)
{
    Switches s;
    s.fill(P::Unset);
    for (int i = 0; i < 4; ++i)
        s[i] = position(o.on(F(F::LowStn21 + i)));
    const F tones[] = {F::QueueTone, F::DialTone, F::HfAlertTone, F::PageAlertTone, F::RingbackTone, F::PrivacyTone};
    for (int i = 0; i < 6; ++i)
        s[5 + i] = position(o.on(tones[i]));
    s[11] = position(o.value(F::PriorityGlobal) == 1);
    s[12] = position(o.on(F::PriorityOverride));
    switch (o.value(F::RingPattern)) {
    case DipOptions::American:
        s[13] = P::Off;
        s[14] = P::Off;
        break;
    case DipOptions::Dutch:
        s[13] = P::Off;
        s[14] = P::On;
        break;
    case DipOptions::British:
        s[13] = P::On;
        s[14] = P::Off;
        break;
    default: break;
    }
    s[15] = position(o.value(F::ExtToneSource) == 1);
    return s;
}

QString DipSwitchPicture::description(int index)
{
    static const QStringList texts{u" Low Priority Station 21"_s,
                                   u" Low Priority Station 22"_s,
                                   u" Low Priority Station 23"_s,
                                   u" Low Priority Station 24"_s,
                                   u" 3 Digit Dial Plan"_s,
                                   u" Queue Tone"_s,
                                   u" Dial Tone"_s,
                                   u" Handsfree Alert Tone"_s,
                                   u" Page Alert Tone"_s,
                                   u" Ringback Tone"_s,
                                   u" Privacy Tone"_s,
                                   u" Priority Global"_s,
                                   u" Override External "_s,
                                   u" Ring Pattern"_s,
                                   QString(),
                                   u" Tone Source"_s};
    return texts.value(index);
}
