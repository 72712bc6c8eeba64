#pragma once
// The commands of lumo-data. Each takes its own arguments (argv[0] is the
// command's name) and returns the process exit status: 0 done, 1 the data
// was bad or missing, 2 the arguments were wrong.

int RunCatalogueCommand(int argc, char** argv);
int RunStoreCommand(int argc, char** argv);
int RunPackCommand(int argc, char** argv);
int RunUnpackCommand(int argc, char** argv);
int RunStorePackCommand(int argc, char** argv);
int RunStoreExtractCommand(int argc, char** argv);
int RunModelCommand(int argc, char** argv);
int RunDeepSkyCommand(int argc, char** argv);
