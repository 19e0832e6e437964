#pragma once

namespace tessarin {

struct ContextoValidacao;

// True when the volume's reference is later than "1206" or the computer's date is July 2012 or later.
// Volumes of SP before 1701 report several faults as errors when it holds and as warnings otherwise. It
// asks the clock each time, as the rule is stated; without a clock only the reference decides.
bool Regra1207(const ContextoValidacao& ctx);

} // namespace tessarin
