{ System: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit System;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

const
  SystemSample = 'Quillmap''s sample of System';
  {$IFDEF WIN32}
  SamplePlatform = 'Win32';
  {$ELSE}
  SamplePlatform = 'Win16';
  {$ENDIF}

type
  TObject = class;

  HResult = Longint;
  TDateTime = type Double;

  TObject = class
    constructor Create;
    procedure Free; virtual;
    class function InitInstance(Instance: Pointer): TObject;
    procedure CleanupInstance;
    function ClassType: TClass;
    class function ClassName: ShortString;
    class function ClassNameIs(const Name: string): Boolean;
    class function ClassParent: TClass;
    class function ClassInfo: Pointer;
    class function InstanceSize: Longint;
    class function InheritsFrom(AClass: TClass): Boolean;
    procedure Dispatch(var Message);
    class function MethodAddress(const Name: ShortString): Pointer;
    class function MethodName(Address: Pointer): ShortString;
    function FieldAddress(const Name: ShortString): Pointer;
    procedure DefaultHandler(var Message); virtual;
    class function NewInstance: TObject; virtual;
    procedure FreeInstance; virtual;
    destructor Destroy; virtual;
  end;

  TClass = class of TObject;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TObject }

constructor TObject.Create;
begin
  // Nothing to set up before the first use.
end;

procedure TObject.Free;
begin
  // A bare object keeps no state for Free to change.
end;

class function TObject.InitInstance(Instance: Pointer): TObject;
begin
  Result := nil;
end;

procedure TObject.CleanupInstance;
begin
  // A bare object keeps no state for CleanupInstance to change.
end;

function TObject.ClassType: TClass;
begin
  Result := nil;
end;

class function TObject.ClassName: ShortString;
begin
  Result := 'TObject';
end;

class function TObject.ClassNameIs(const Name: string): Boolean;
begin
  Result := Self <> nil;
end;

class function TObject.ClassParent: TClass;
begin
  Result := nil;
end;

class function TObject.ClassInfo: Pointer;
begin
  Result := nil;
end;

class function TObject.InstanceSize: Longint;
begin
  Result := 0;
end;

class function TObject.InheritsFrom(AClass: TClass): Boolean;
begin
  Result := Self <> nil;
end;

procedure TObject.Dispatch(var Message);
begin
  // A bare object keeps no state for Dispatch to change.
end;

class function TObject.MethodAddress(const Name: ShortString): Pointer;
begin
  Result := nil;
end;

class function TObject.MethodName(Address: Pointer): ShortString;
begin
  Result := ClassName;
end;

function TObject.FieldAddress(const Name: ShortString): Pointer;
begin
  Result := nil;
end;

procedure TObject.DefaultHandler(var Message);
begin
  // A bare object keeps no state for DefaultHandler to change.
end;

class function TObject.NewInstance: TObject;
begin
  Result := nil;
end;

procedure TObject.FreeInstance;
begin
  // A bare object keeps no state for FreeInstance to change.
end;

destructor TObject.Destroy;
begin
  // The root class keeps nothing that needs freeing.
end;

end.
