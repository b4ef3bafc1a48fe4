// The simulation interface: the one road between an engine document and the
// engine-cycle kernel. A run clears the program's simulation block, loads the
// document's values into it (the document shows English units meanwhile),
// runs the kernel and reports success; the document then takes the 16 result
// curves through the copy operations, numbered in the document's storage
// order.
#pragma once

namespace torvane {

struct SimulationBlock;
class CTorvaneDoc;

// The interface object has no state of its own: it stands for the program's
// simulation block.
class SimInterface {
public:
    explicit SimInterface(SimulationBlock& block) : block_(block) {}
    SimInterface(const SimInterface&) = delete;
    SimInterface& operator=(const SimInterface&) = delete;

    SimulationBlock& Block() const { return block_; }

private:
    SimulationBlock& block_;
};

// Makes the program's interface object and registers it. This module does it
// once when the program starts; a second registration is an assertion.
SimInterface* SimInterfaceCreateInstance();
// The interface object (an assertion before it exists).
SimInterface* SimInterfaceGetInstance();

// Every input and result of the block to 0.
void SimInterfaceClearBlock(SimInterface* sim);
// One run of the document's engine; true when it produced results (power at
// 2000 rpm not 0: the kernel leaves it 0 on every failure).
bool SimInterfaceRun(SimInterface* sim, CTorvaneDoc* doc);

// Copy `n` (= 19) points of one curve of the last run into `dest`. Curve 1
// is the engine speeds; 2 to 16 follow the document's storage order (power,
// torque, manifold pressure, volumetric efficiency, BMEP, indicated, friction
// and pumping power, mechanical efficiency, airflow, piston force, piston
// speed, IMEP, FMEP, PMEP).
void SimInterfaceCopyCurve1(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve2(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve3(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve4(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve5(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve6(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve7(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve8(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve9(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve10(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve11(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve12(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve13(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve14(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve15(SimInterface* sim, float* dest, int n);
void SimInterfaceCopyCurve16(SimInterface* sim, float* dest, int n);

}  // namespace torvane
