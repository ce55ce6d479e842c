#pragma once

class QSettings;

// The one process-wide settings store over app.ini in the per-user data folder.
// Created on first use, never destroyed.
QSettings *appSettings();
