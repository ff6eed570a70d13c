#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <cstdio>

#include "cli/input_plan.h"
#include "cli/options.h"

namespace veldrane::cli {

// The .vbp files among the inputs, taken out of `options->inputs`: they are migrated as
// projects rather than converted as files.
QList<QByteArray> TakeProjectInputs(Options* options);

// Migrates each project below options.out_dir through the safe output directory, printing
// one line per project and one per problem to `messages`, names escaped as
// files::DisplayText does. Returns the number of projects with problems.
int MigrateProjects(const QList<QByteArray>& vbp_files, const Options& options, std::FILE* messages);

// For each directory input that holds .vbp files not among `named_projects`, a note telling
// how to migrate them.
QStringList ProjectNotesForDirectories(const Options& options, const std::vector<ProjectsBelow>& found,
                                       const QList<QByteArray>& named_projects);

}  // namespace veldrane::cli
