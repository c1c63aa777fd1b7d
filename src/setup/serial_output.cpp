#include "setup/serial_output.h"

#include "app/simulator.h"

namespace kestrom {

SerialOutput::SerialOutput(Simulator& sim, int timerOrder)
    : Timer4(sim.scheduler(), timerOrder, 250, false), sim_(sim) {}

}  // namespace kestrom
