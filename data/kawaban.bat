@echo off
rem Starts Kawaban.exe from the folder this file stands in (the Start-menu entry opens it).
cd /d "%~dp0"
start "" "%~dp0Kawaban.exe"
