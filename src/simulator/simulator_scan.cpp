// Scans on the simulated terminal: only a form takes one, and only after the
// reader has read it.
#include "simulator/simulator.h"

namespace tessel::sim {

std::string Simulator::scan(const Scan& scan) {
    lastScanNote_.clear();
    if (forms_.hasPending()) forms_.commitPending();
    previousKey_ = 0;  // the next key starts its own multi-tap cycle
    if (screen_.state == SimState::MessageScreen) {
        lastScanNote_ = "the message on the screen waits for a key";
    } else if (screen_.state != SimState::FormScreen) {
        lastScanNote_ = "no form takes a scan on this screen";
    } else if (const ReaderOutput read = readScan(project_.definition, scan); !read.data) {
        lastScanNote_ = "not read: " + read.note;
    } else if (const auto departure = forms_.takeScan(read, scan.source, lastScanNote_)) {
        goToTarget(departure->target, departure->resetMenu);
    }
    return lastScanNote_;
}

}  // namespace tessel::sim
