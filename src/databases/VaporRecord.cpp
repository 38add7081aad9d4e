#include "databases/VaporRecord.h"

namespace tess::databases {

VaporRecord VaporRecord::assemble(std::string_view ChemName, std::string_view MolWt,
                                  std::string_view LiqDensity, std::string_view MolPol,
                                  std::string_view WaterSol, std::string_view AvgVapConc,
                                  std::string_view AntoineA, std::string_view AntoineB,
                                  std::string_view AntoineC, std::string_view CAS) {
  VaporRecord r;
  r.ChemName = fitField(ChemName, ChemNameField.width);
  r.MolWt = fitField(MolWt, MolWtField.width);
  r.LiqDensity = fitField(LiqDensity, LiqDensityField.width);
  r.MolPol = fitField(MolPol, MolPolField.width);
  r.WaterSol = fitField(WaterSol, WaterSolField.width);
  r.AvgVapConc = fitField(AvgVapConc, AvgVapConcField.width);
  r.AntoineA = fitField(AntoineA, AntoineAField.width);
  r.AntoineB = fitField(AntoineB, AntoineBField.width);
  r.AntoineC = fitField(AntoineC, AntoineCField.width);
  r.CAS = fitField(CAS, CASField.width);
  return r;
}

VaporRecord VaporRecord::fromBytes(std::string_view bytes) {
  std::string full(bytes.substr(0, Length));
  full.resize(Length, ' ');
  VaporRecord r;
  r.ChemName = getField(full, ChemNameField);
  r.MolWt = getField(full, MolWtField);
  r.LiqDensity = getField(full, LiqDensityField);
  r.MolPol = getField(full, MolPolField);
  r.WaterSol = getField(full, WaterSolField);
  r.AvgVapConc = getField(full, AvgVapConcField);
  r.AntoineA = getField(full, AntoineAField);
  r.AntoineB = getField(full, AntoineBField);
  r.AntoineC = getField(full, AntoineCField);
  r.CAS = getField(full, CASField);
  return r;
}

std::string VaporRecord::toBytes() const {
  std::string bytes(Length, ' ');
  putField(bytes, ChemNameField, ChemName);
  putField(bytes, MolWtField, MolWt);
  putField(bytes, LiqDensityField, LiqDensity);
  putField(bytes, MolPolField, MolPol);
  putField(bytes, WaterSolField, WaterSol);
  putField(bytes, AvgVapConcField, AvgVapConc);
  putField(bytes, AntoineAField, AntoineA);
  putField(bytes, AntoineBField, AntoineB);
  putField(bytes, AntoineCField, AntoineC);
  putField(bytes, CASField, CAS);
  return bytes;
}

}  // namespace tess::databases
